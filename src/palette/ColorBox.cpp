#include "palette/ColorBox.h"

TColorSelect* ColorSelect = nullptr;

TColorSelect::TColorSelect(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("ColorSelect"));
  setWindowTitle(QStringLiteral("ColorSelect"));
  resize(375, 306);
}
