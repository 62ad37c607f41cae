#pragma once
// TScan_f: the conversion window. Its picture, grid and controls come with the
// convert command; for now the window exists with its caption.
#include <QWidget>

class TScan_f : public QWidget {
  Q_OBJECT
public:
  explicit TScan_f(QWidget* parent = nullptr);
};

extern TScan_f* Scan_f;
