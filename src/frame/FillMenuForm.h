#pragma once
// TFillMenu: the fill mode dialog. Its choices and their handling come with
// the fill mode command; for now the form exists with its caption and result.
#include <QDialog>

class TFillMenu : public QDialog {
  Q_OBJECT
public:
  explicit TFillMenu(QWidget* parent = nullptr);

  // The showing that just ended was left through Cancel.
  bool Cancelled = false;
};

extern TFillMenu* FillMenu;
