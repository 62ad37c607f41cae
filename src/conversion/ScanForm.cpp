#include "conversion/ScanForm.h"

TScan_f* Scan_f = nullptr;

TScan_f::TScan_f(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Scan_f"));
  setWindowTitle(QStringLiteral("Convert an a image"));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
  setPalette(pal);
  setAutoFillBackground(true);
  resize(640, 480);
}
