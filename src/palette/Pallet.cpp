#include "palette/Pallet.h"

TPalletChange* PalletChange = nullptr;

TPalletChange::TPalletChange(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("PalletChange"));
  setWindowTitle(QStringLiteral("Pallet"));
  resize(434, 520);
}
