#include "accessories/manual_viewer.h"

Thelp1dlg::Thelp1dlg(QWidget* parent) : QDialog(parent) {}
