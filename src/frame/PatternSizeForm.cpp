#include "frame/PatternSizeForm.h"

#include "platform/UserInterface.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

TPatternSize_f* PatternSize_f = nullptr;

TUpDown::TUpDown(QLineEdit* associate, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), Associate(associate), Minimum(minimum), Maximum(maximum), Position(minimum) {
  UpButton = new QToolButton(this);
  UpButton->setArrowType(Qt::UpArrow);
  UpButton->setObjectName(QStringLiteral("Up"));
  DownButton = new QToolButton(this);
  DownButton->setArrowType(Qt::DownArrow);
  DownButton->setObjectName(QStringLiteral("Down"));
  UpButton->setAutoRepeat(true);
  DownButton->setAutoRepeat(true);
  connect(UpButton, &QToolButton::clicked, this, [this] { Step(1); });
  connect(DownButton, &QToolButton::clicked, this, [this] { Step(-1); });
  // The arrows follow what the edit holds whenever it is a number.
  connect(Associate, &QLineEdit::textChanged, this, [this](const QString& text) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (ok) Position = std::clamp(v, Minimum, Maximum);
  });
}

void TUpDown::Step(int delta) {
  const int next = std::clamp(Position + delta, Minimum, Maximum);  // no wrap
  Position = next;
  Associate->setText(QString::number(next));
}

TPatternSize_f::TPatternSize_f(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("PatternSize_f"));
  setWindowTitle(QStringLiteral("New Pattern"));
  setFixedSize(282, 239);

  PatternHeight = new QLabel(QStringLiteral("Pattern Height ( number of beads heigh )"), this);
  PatternHeight->setObjectName(QStringLiteral("PatternHeight"));
  PatternHeight->setGeometry(16, 8, 250, 16);
  HeightEdit = new QLineEdit(this);
  HeightEdit->setObjectName(QStringLiteral("HeightEdit"));
  HeightEdit->setGeometry(16, 26, 100, 22);
  UpDown1 = new TUpDown(HeightEdit, 0, 600, this);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setGeometry(116, 26, 16, 22);
  UpDown1->UpButton->setGeometry(0, 0, 16, 11);
  UpDown1->DownButton->setGeometry(0, 11, 16, 11);

  Label1 = new QLabel(QStringLiteral("Pattern Width ( number of beads wide )"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(16, 56, 250, 16);
  WidthEdit = new QLineEdit(this);
  WidthEdit->setObjectName(QStringLiteral("WidthEdit"));
  WidthEdit->setGeometry(16, 74, 100, 22);
  UpDown2 = new TUpDown(WidthEdit, 0, 600, this);
  UpDown2->setObjectName(QStringLiteral("UpDown2"));
  UpDown2->setGeometry(116, 74, 16, 22);
  UpDown2->UpButton->setGeometry(0, 0, 16, 11);
  UpDown2->DownButton->setGeometry(0, 11, 16, 11);

  OpenGLChkBx = new QCheckBox(QStringLiteral("OpenGL"), this);
  OpenGLChkBx->setObjectName(QStringLiteral("OpenGLChkBx"));
  OpenGLChkBx->setGeometry(160, 74, 100, 22);

  RadioGroup1 = new QGroupBox(this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1->setGeometry(16, 104, 250, 84);
  BrickRBtn = new QRadioButton(QStringLiteral("Brick"), RadioGroup1);
  BrickRBtn->setObjectName(QStringLiteral("BrickRBtn"));
  BrickRBtn->setGeometry(10, 10, 110, 22);
  PeyoteRBtn = new QRadioButton(QStringLiteral("Peyote"), RadioGroup1);
  PeyoteRBtn->setObjectName(QStringLiteral("PeyoteRBtn"));
  PeyoteRBtn->setGeometry(10, 46, 110, 22);
  SquareRBtn = new QRadioButton(QStringLiteral("Square"), RadioGroup1);
  SquareRBtn->setObjectName(QStringLiteral("SquareRBtn"));
  SquareRBtn->setGeometry(126, 10, 118, 22);
  TwoDrop = new QRadioButton(QStringLiteral("TwoDrop Peyote"), RadioGroup1);
  TwoDrop->setObjectName(QStringLiteral("TwoDrop"));
  TwoDrop->setGeometry(126, 46, 118, 22);

  OkBtn = new QPushButton(QStringLiteral("OK"), this);
  OkBtn->setObjectName(QStringLiteral("OkBtn"));
  OkBtn->setGeometry(16, 200, 75, 25);
  ApplyBtn = new QPushButton(QStringLiteral("Apply"), this);
  ApplyBtn->setObjectName(QStringLiteral("ApplyBtn"));
  ApplyBtn->setGeometry(104, 200, 75, 25);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  CancelBtn->setGeometry(192, 200, 75, 25);
  for (QPushButton* b : {OkBtn, ApplyBtn, CancelBtn}) b->setAutoDefault(false);

  connect(HeightEdit, &QLineEdit::textChanged, this, &TPatternSize_f::HeightEditChange);
  connect(WidthEdit, &QLineEdit::textChanged, this, &TPatternSize_f::WidthEditChange);
  connect(BrickRBtn, &QRadioButton::clicked, this, [this] { StyleClick(0); });
  connect(PeyoteRBtn, &QRadioButton::clicked, this, [this] { StyleClick(1); });
  connect(SquareRBtn, &QRadioButton::clicked, this, [this] { StyleClick(3); });
  connect(TwoDrop, &QRadioButton::clicked, this, [this] { StyleClick(5); });
  connect(OkBtn, &QPushButton::clicked, this, &TPatternSize_f::OkBtnClick);
  connect(ApplyBtn, &QPushButton::clicked, this, &TPatternSize_f::ApplyBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TPatternSize_f::CancelBtnClick);

  WidthText = HeightText = QStringLiteral("30");
  WidthEdit->setText(WidthText);
  HeightEdit->setText(HeightText);
  StyleChoice = 3;
  SquareRBtn->setChecked(true);
  OpenGLChkBx->setEnabled(false);
  OkBtn->setDefault(true);
}

void TPatternSize_f::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TPatternSize_f::FormShow() {
  WidthEdit->setText(WidthText);
  HeightEdit->setText(HeightText);
  CheckStyleButton();
  // After the edits: their change handling must not leave Apply enabled.
  ApplyBtn->setEnabled(false);
  ApplyBtn->setDefault(false);
  OkBtn->setDefault(true);
}

void TPatternSize_f::CheckStyleButton() {
  switch (StyleChoice) {
    case 0: BrickRBtn->setChecked(true); break;
    case 1: PeyoteRBtn->setChecked(true); break;
    case 5: TwoDrop->setChecked(true); break;
    default: SquareRBtn->setChecked(true); break;
  }
}

void TPatternSize_f::Changed() {
  ApplyBtn->setEnabled(true);
  OkBtn->setDefault(false);
  ApplyBtn->setDefault(true);
}

void TPatternSize_f::HeightEditChange() { Changed(); }

void TPatternSize_f::WidthEditChange() { Changed(); }

void TPatternSize_f::StyleClick(std::uint8_t style) {
  Changed();
  StyleChoice = style;
}

void TPatternSize_f::ApplyDimension(QLineEdit* edit, QString& field, const QString& message) {
  field = edit->text();
  const QString read = field;
  // An empty text counts as one character that is not a digit.
  const int count = read.isEmpty() ? 1 : static_cast<int>(read.size());
  for (int i = 0; i < count; ++i) {
    const QChar c = read.isEmpty() ? QChar(QLatin1Char(' ')) : read.at(i);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      ApplyBtn->setEnabled(false);
    } else {
      UI().MessageBox(message, QStringLiteral("Error"), TButtons::Ok, TIcon::None);
      edit->setText(QStringLiteral("20"));
      field = edit->text();
    }
  }
}

void TPatternSize_f::ApplyBtnClick() {
  ApplyDimension(WidthEdit, WidthText, QStringLiteral("I am sorry width must be an integer."));
  ApplyDimension(HeightEdit, HeightText, QStringLiteral("I am sorry Height must be an integer."));
  bool widthOk = false, heightOk = false;
  const int width = WidthText.toInt(&widthOk);
  const int height = HeightText.toInt(&heightOk);
  if (!widthOk || !heightOk) return;  // beyond any integer: nothing more to say
  if (width > 100 || height > 100)
    UI().MessageBox(QStringLiteral("Sizes over a 100 are not recommended,\n"
                                   "and will drastically reduce performance."),
                    QStringLiteral("Warning"), TButtons::Ok, TIcon::Warning);
  ApplyBtn->setDefault(false);
  OkBtn->setDefault(true);
}

void TPatternSize_f::OkBtnClick() {
  if (!ApplyBtn->isEnabled()) {
    accept();
    return;
  }
  const TAnswer answer = UI().MessageBox(
      QStringLiteral("You Have not applied your changes. Do you want to before you Exit?"),
      QStringLiteral("Message Box"), TButtons::YesNoCancel, TIcon::Question);
  switch (answer) {
    case TAnswer::Yes:
      ApplyBtnClick();
      accept();
      break;
    case TAnswer::No:
      accept();
      CancelFields();
      break;
    default:  // closes without applying; the edits are read as they stand
      accept();
      break;
  }
}

void TPatternSize_f::CancelFields() {
  WidthText = HeightText = QStringLiteral("30");
  StyleChoice = 3;
  SquareRBtn->setChecked(true);
  OpenGLChkBx->setEnabled(false);
  Cancelled = true;
}

void TPatternSize_f::CancelBtnClick() {
  CancelFields();
  QDialog::reject();
}

void TPatternSize_f::reject() { CancelBtnClick(); }
