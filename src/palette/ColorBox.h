#pragma once
// TColorSelect: the colour chooser. Its pages of swatches come with the colour
// chooser; for now the dialog exists with its caption and size.
#include <QDialog>

class TColorSelect : public QDialog {
  Q_OBJECT
public:
  explicit TColorSelect(QWidget* parent = nullptr);
};

extern TColorSelect* ColorSelect;
