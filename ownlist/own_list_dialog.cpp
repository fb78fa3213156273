#include "ownlist/own_list_dialog.h"

Tlijstdlg::Tlijstdlg(QWidget* parent) : QDialog(parent) {}
