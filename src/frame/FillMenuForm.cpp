#include "frame/FillMenuForm.h"

TFillMenu* FillMenu = nullptr;

TFillMenu::TFillMenu(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FillMenu"));
  setWindowTitle(QStringLiteral("Fill Menu"));
  resize(280, 166);
}
