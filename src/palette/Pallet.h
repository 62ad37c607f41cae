#pragma once
// TPalletChange: the palette editor window. Its slots, mixer and commands come
// with the palette editor; for now the window exists with its caption and size.
#include <QWidget>

class TPalletChange : public QWidget {
  Q_OBJECT
public:
  explicit TPalletChange(QWidget* parent = nullptr);
};

extern TPalletChange* PalletChange;
