#include "accessories/author_box.h"

Tauteurdlg::Tauteurdlg(QWidget* parent) : QDialog(parent) {}
