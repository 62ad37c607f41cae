#pragma once
// TPatternSize_f: the "New Pattern" dialog, where a new chart's height, width
// and stitch style are chosen. One instance lives for the whole run and
// remembers the values last applied.
#include <QDialog>
#include <QString>
#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// Up and down arrows attached to an edit: they step its number within a range,
// while text typed into the edit is not limited by them.
class TUpDown : public QWidget {
  Q_OBJECT
public:
  TUpDown(QLineEdit* associate, int minimum, int maximum, QWidget* parent);
  void Step(int delta);
  QToolButton* UpButton = nullptr;
  QToolButton* DownButton = nullptr;
private:
  QLineEdit* Associate;
  int Minimum, Maximum;
  int Position;
};

class TPatternSize_f : public QDialog {
  Q_OBJECT
public:
  explicit TPatternSize_f(QWidget* parent = nullptr);

  QString WidthText = QStringLiteral("30");
  QString HeightText = QStringLiteral("30");
  std::uint8_t StyleChoice = 3;
  bool Cancelled = false;

  QLabel* PatternHeight = nullptr;
  QLineEdit* HeightEdit = nullptr;
  TUpDown* UpDown1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* WidthEdit = nullptr;
  TUpDown* UpDown2 = nullptr;
  QCheckBox* OpenGLChkBx = nullptr;
  QGroupBox* RadioGroup1 = nullptr;
  QRadioButton* BrickRBtn = nullptr;
  QRadioButton* PeyoteRBtn = nullptr;
  QRadioButton* SquareRBtn = nullptr;
  QRadioButton* TwoDrop = nullptr;
  QPushButton* OkBtn = nullptr;
  QPushButton* ApplyBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  void FormShow();
  void HeightEditChange();
  void WidthEditChange();
  void StyleClick(std::uint8_t style);
  void ApplyBtnClick();
  void OkBtnClick();
  void CancelBtnClick();

  // Escape and the window's close are the Cancel button.
  void reject() override;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void Changed();
  void CheckStyleButton();
  void ApplyDimension(QLineEdit* edit, QString& field, const QString& message);
  void CancelFields();
};

extern TPatternSize_f* PatternSize_f;
