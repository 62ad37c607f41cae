// The new pattern dialog: its start, Apply's checks, OK's question, Cancel.
#include "frame/GuiTest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

class PatternSizeDialog : public GuiTest {
protected:
  TPatternSize_f* D = nullptr;
  void SetUp() override {
    GuiTest::SetUp();
    D = PatternSize_f;
    D->show();
    Settle();
  }
  void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  int Count(const QString& text) const { return static_cast<int>(Ui.Texts().count(text)); }
  // A radio button answers a click on its mark or its caption.
  static void Click(QRadioButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }
  const QString WidthMessage = QStringLiteral("I am sorry width must be an integer.");
  const QString HeightMessage = QStringLiteral("I am sorry Height must be an integer.");
  const QString Unapplied =
      QStringLiteral("You Have not applied your changes. Do you want to before you Exit?");
};

TEST_F(PatternSizeDialog, FirstShowingReadsThirtyByThirtySquareWithApplyOff) {
  EXPECT_EQ(D->windowTitle(), QStringLiteral("New Pattern"));
  EXPECT_EQ(D->WidthEdit->text(), QStringLiteral("30"));
  EXPECT_EQ(D->HeightEdit->text(), QStringLiteral("30"));
  EXPECT_TRUE(D->SquareRBtn->isChecked());
  EXPECT_FALSE(D->ApplyBtn->isEnabled());
  EXPECT_TRUE(D->OkBtn->isDefault());
  EXPECT_FALSE(D->OpenGLChkBx->isEnabled());
  EXPECT_FALSE(D->OpenGLChkBx->isChecked());
  EXPECT_EQ(D->PatternHeight->text(), QStringLiteral("Pattern Height ( number of beads heigh )"));
  EXPECT_EQ(D->Label1->text(), QStringLiteral("Pattern Width ( number of beads wide )"));
}

TEST_F(PatternSizeDialog, AChangeEnablesApplyAndMakesItTheDefault) {
  QTest::keyClicks(D->WidthEdit, QStringLiteral("5"));
  EXPECT_TRUE(D->ApplyBtn->isEnabled());
  EXPECT_TRUE(D->ApplyBtn->isDefault());
  EXPECT_FALSE(D->OkBtn->isDefault());
  QTest::mouseClick(D->ApplyBtn, Qt::LeftButton);
  EXPECT_FALSE(D->ApplyBtn->isEnabled());
  EXPECT_TRUE(D->OkBtn->isDefault());
  EXPECT_EQ(D->WidthText, QStringLiteral("305"));
  EXPECT_TRUE(D->isVisible());  // Apply does not close
}

TEST_F(PatternSizeDialog, StyleButtonsSetTheChoice) {
  const std::pair<QRadioButton*, int> cases[] = {
      {D->BrickRBtn, 0}, {D->PeyoteRBtn, 1}, {D->TwoDrop, 5}, {D->SquareRBtn, 3}};
  for (const auto& [button, style] : cases) {
    Click(button);
    EXPECT_EQ(D->StyleChoice, style);
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(D->ApplyBtn->isEnabled());
  }
}

struct TApplyCase {
  const char* Width;
  const char* Height;
  int WidthMessages, HeightMessages;
  const char* WidthAfter;
  const char* HeightAfter;
  bool ApplyEnabledAfter;
};

TEST_F(PatternSizeDialog, ApplyAnswersEveryWrongCharacterAndPutsTwentyInstead) {
  const TApplyCase cases[] = {
      {"12a", "30", 1, 0, "20", "30", false},
      {"30", "ab", 0, 2, "30", "20", true},
      {"", "30", 1, 0, "20", "30", false},
      {"x1y", "7", 2, 0, "20", "7", false},
      {"40", "", 0, 1, "40", "20", true},
  };
  for (const TApplyCase& c : cases) {
    Ui.Clear();
    Type(D->WidthEdit, QString::fromLatin1(c.Width));
    Type(D->HeightEdit, QString::fromLatin1(c.Height));
    QTest::mouseClick(D->ApplyBtn, Qt::LeftButton);
    EXPECT_EQ(Count(WidthMessage), c.WidthMessages) << c.Width << "/" << c.Height;
    EXPECT_EQ(Count(HeightMessage), c.HeightMessages) << c.Width << "/" << c.Height;
    EXPECT_EQ(D->WidthEdit->text(), QString::fromLatin1(c.WidthAfter));
    EXPECT_EQ(D->HeightEdit->text(), QString::fromLatin1(c.HeightAfter));
    EXPECT_EQ(D->WidthText, QString::fromLatin1(c.WidthAfter));
    EXPECT_EQ(D->HeightText, QString::fromLatin1(c.HeightAfter));
    EXPECT_EQ(D->ApplyBtn->isEnabled(), c.ApplyEnabledAfter) << c.Width << "/" << c.Height;
    for (const auto& m : Ui.Messages)
      if (m.Text == WidthMessage || m.Text == HeightMessage) EXPECT_EQ(m.Caption, QStringLiteral("Error"));
  }
}

TEST_F(PatternSizeDialog, SizesOverAHundredAreWarnedAboutOnceAndKept) {
  Type(D->WidthEdit, QStringLiteral("150"));
  Type(D->HeightEdit, QStringLiteral("20"));
  QTest::mouseClick(D->ApplyBtn, Qt::LeftButton);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text, QStringLiteral("Sizes over a 100 are not recommended,\n"
                                                "and will drastically reduce performance."));
  EXPECT_EQ(Ui.Messages[0].Buttons, TButtons::Ok);
  EXPECT_EQ(D->WidthText, QStringLiteral("150"));
  EXPECT_EQ(D->HeightText, QStringLiteral("20"));
}

TEST_F(PatternSizeDialog, ANumberBeyondAnyIntegerEndsApplyWithoutTheWarning) {
  Type(D->WidthEdit, QStringLiteral("99999999999"));
  QTest::mouseClick(D->ApplyBtn, Qt::LeftButton);
  EXPECT_TRUE(Ui.Messages.empty());
  EXPECT_TRUE(D->ApplyBtn->isDefault());
}

TEST_F(PatternSizeDialog, OkWithPendingChangesAsks_YesAppliesNoCancelsCancelKeepsTheEdits) {
  // Yes
  Click(D->PeyoteRBtn);
  Type(D->WidthEdit, QStringLiteral("12"));
  Ui.Answers = {TAnswer::Yes};
  QTest::mouseClick(D->OkBtn, Qt::LeftButton);
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text, Unapplied);
  EXPECT_EQ(Ui.Messages[0].Caption, QStringLiteral("Message Box"));
  EXPECT_EQ(Ui.Messages[0].Buttons, TButtons::YesNoCancel);
  EXPECT_FALSE(D->isVisible());
  EXPECT_FALSE(D->Cancelled);
  EXPECT_EQ(D->StyleChoice, 1);
  EXPECT_EQ(D->WidthText, QStringLiteral("12"));

  // No: closes as cancelled, back to the starting values
  D->show();
  Click(D->BrickRBtn);
  Ui.Answers = {TAnswer::No};
  QTest::mouseClick(D->OkBtn, Qt::LeftButton);
  EXPECT_FALSE(D->isVisible());
  EXPECT_TRUE(D->Cancelled);
  EXPECT_EQ(D->StyleChoice, 3);
  D->Cancelled = false;

  // Cancel: closes without applying; the edits stand
  D->show();
  Click(D->PeyoteRBtn);
  Type(D->HeightEdit, QStringLiteral("44"));
  Ui.Answers = {TAnswer::Cancel};
  QTest::mouseClick(D->OkBtn, Qt::LeftButton);
  EXPECT_FALSE(D->isVisible());
  EXPECT_FALSE(D->Cancelled);
  EXPECT_EQ(D->StyleChoice, 1);
  EXPECT_EQ(D->HeightEdit->text(), QStringLiteral("44"));
  EXPECT_EQ(D->HeightText, QStringLiteral("30"));
}

TEST_F(PatternSizeDialog, CancelReturnsTheDialogToItsStartingValues) {
  Click(D->BrickRBtn);
  Type(D->WidthEdit, QStringLiteral("50"));
  QTest::mouseClick(D->ApplyBtn, Qt::LeftButton);
  QTest::mouseClick(D->CancelBtn, Qt::LeftButton);
  EXPECT_FALSE(D->isVisible());
  EXPECT_TRUE(D->Cancelled);
  D->Cancelled = false;
  D->show();
  EXPECT_EQ(D->WidthEdit->text(), QStringLiteral("30"));
  EXPECT_EQ(D->HeightEdit->text(), QStringLiteral("30"));
  EXPECT_TRUE(D->SquareRBtn->isChecked());
  EXPECT_FALSE(D->ApplyBtn->isEnabled());
}

TEST_F(PatternSizeDialog, ArrowsStepWithinZeroToSixHundredWithoutWrapping) {
  Type(D->HeightEdit, QStringLiteral("599"));
  QTest::mouseClick(D->UpDown1->UpButton, Qt::LeftButton);
  EXPECT_EQ(D->HeightEdit->text(), QStringLiteral("600"));
  QTest::mouseClick(D->UpDown1->UpButton, Qt::LeftButton);
  EXPECT_EQ(D->HeightEdit->text(), QStringLiteral("600"));
  Type(D->WidthEdit, QStringLiteral("0"));
  QTest::mouseClick(D->UpDown2->DownButton, Qt::LeftButton);
  EXPECT_EQ(D->WidthEdit->text(), QStringLiteral("0"));
  QTest::mouseClick(D->UpDown2->UpButton, Qt::LeftButton);
  EXPECT_EQ(D->WidthEdit->text(), QStringLiteral("1"));
  // Typed text is not limited by the arrows.
  Type(D->WidthEdit, QStringLiteral("900"));
  EXPECT_EQ(D->WidthEdit->text(), QStringLiteral("900"));
}

}  // namespace
