// The seam as the application installs it: real message boxes and file dialogs.
#include "frame/GuiTest.h"
#include "frame/WidgetUserInterface.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

namespace {

class WidgetSeam : public ::testing::Test {
protected:
  void SetUp() override { EnsureApplication(); }
  TWidgetUserInterface Ui;
};

struct TAnswerCase {
  QMessageBox::StandardButton Press;
  TAnswer Expected;
};

TEST_F(WidgetSeam, MessageBoxShowsCaptionTextAndButtonsAndReturnsThePressedOne) {
  const TAnswerCase cases[] = {{QMessageBox::Yes, TAnswer::Yes},
                               {QMessageBox::No, TAnswer::No},
                               {QMessageBox::Cancel, TAnswer::Cancel}};
  for (const TAnswerCase& c : cases) {
    QString caption, text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    GuiTest::WhenModal([&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      caption = box->windowTitle();
      text = box->text();
      buttons = box->standardButtons();
      icon = box->icon();
      QTest::mouseClick(box->button(c.Press), Qt::LeftButton);
    });
    const TAnswer answer = Ui.MessageBox(QStringLiteral("Do you want to Exit?"),
                                         QStringLiteral("Warnning"), TButtons::YesNoCancel,
                                         TIcon::Question);
    EXPECT_EQ(answer, c.Expected);
    EXPECT_EQ(caption, QStringLiteral("Warnning"));
    EXPECT_EQ(text, QStringLiteral("Do you want to Exit?"));
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(icon, QMessageBox::Question);
  }
}

TEST_F(WidgetSeam, PlainMessageHasOnlyOk) {
  QMessageBox::StandardButtons buttons;
  QString text;
  GuiTest::WhenModal([&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    buttons = box->standardButtons();
    text = box->text();
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  Ui.ShowMessage(QString::fromLatin1(ChartRequiredText));
  EXPECT_EQ(buttons, QMessageBox::Ok);
  EXPECT_EQ(text, QString::fromLatin1(ChartRequiredText));
}

TEST_F(WidgetSeam, SaveDialogShowsThePatternFilterFirstAndCancelChoosesNothing) {
  QString filter, suffix, title;
  GuiTest::WhenModal([&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    filter = dialog->selectedNameFilter();
    suffix = dialog->defaultSuffix();
    title = dialog->windowTitle();
    dialog->reject();
  });
  TFileRequest r;
  r.Title = QStringLiteral(" ");
  r.Filter = QStringLiteral("BitMap (*.BMP *.bmp);;Bead File Pattern (*.BFP *.bfp)");
  r.SelectedFilter = QStringLiteral("Bead File Pattern (*.BFP *.bfp)");
  r.DefaultSuffix = QStringLiteral("BFP");
  EXPECT_EQ(Ui.ChooseSaveFile(r), std::nullopt);
  EXPECT_EQ(filter, r.SelectedFilter);
  EXPECT_EQ(suffix, QStringLiteral("BFP"));
  EXPECT_EQ(title, QStringLiteral(" "));
}

TEST_F(WidgetSeam, OpenDialogHandsBackTheChosenFile) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("chosen.bfp"));
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  GuiTest::WhenModal([&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(file);
    static_cast<QDialog*>(dialog)->accept();  // the dialog's own accept, through its base
  });
  TFileRequest r;
  r.Filter = QStringLiteral("Any (*.*);;Bead File Pattern (*.BFP *.bfp)");
  r.FileName = dir.path();
  EXPECT_EQ(Ui.ChooseOpenFile(r), std::optional<QString>(file));
}

}  // namespace
