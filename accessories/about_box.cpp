#include "accessories/about_box.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {}
