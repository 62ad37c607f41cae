// New, Open, Save, Save As, Close and Exit, with the seam answering for the user.
#include "frame/GuiTest.h"

#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

const QString BitmapWarning = QStringLiteral(
    "Warning saving in this format data can\nonly be retrieved by converting it back.");

class FileCommands : public GuiTest {
protected:
  // File > New through the dialog, confirmed with OK after edits.
  void NewThroughDialog(const QString& width = QString(), const QString& height = QString(),
                        QRadioButton* TPatternSize_f::*style = nullptr) {
    WhenModal([=] {
      if (!width.isEmpty()) PatternSize_f->WidthEdit->setText(width);
      if (!height.isEmpty()) PatternSize_f->HeightEdit->setText(height);
      if (style) QTest::mouseClick(PatternSize_f->*style, Qt::LeftButton, {}, QPoint(8, 10));
      if (PatternSize_f->ApplyBtn->isEnabled()) QTest::mouseClick(PatternSize_f->ApplyBtn, Qt::LeftButton);
      QTest::mouseClick(PatternSize_f->OkBtn, Qt::LeftButton);
    });
    Glintweave->FileNewItem->trigger();
    Settle();
  }
  QStringList Captions() const {
    QStringList out;
    for (int i = 0; i < Glintweave->MDIChildCount(); ++i)
      out << Glintweave->MDIChildren(i)->windowTitle();
    return out;
  }
  bool ReadsAsPattern(const QString& file, int width, int height) {
    TBeadPattern p;
    return p.ReadPatternFile(file) && p.BeadPatternWidth() == width && p.BeadPatternHeight() == height;
  }
};

TEST_F(FileCommands, NewThroughTheDialogMakesANonameChartOfTheChosenSize) {
  NewThroughDialog(QStringLiteral("12"), QStringLiteral("7"), &TPatternSize_f::PeyoteRBtn);
  ASSERT_EQ(Glintweave->MDIChildCount(), 1);
  TMDIChild* child = Glintweave->MDIChildren(0);
  EXPECT_EQ(child->FileName, QStringLiteral("NONAME1"));
  EXPECT_EQ(child->windowTitle(), QStringLiteral("NONAME1"));
  EXPECT_EQ(child->Pattern->BeadPatternWidth(), 12);
  EXPECT_EQ(child->Pattern->BeadPatternHeight(), 7);
  EXPECT_EQ(child->Pattern->BeadPattern(), BPpeyote);
  EXPECT_EQ(Glintweave->NewStyle, BPpeyote);
  EXPECT_TRUE(Glintweave->Peyote1->isChecked());
  EXPECT_FALSE(child->Modified);
  EXPECT_EQ(Glintweave->ToolCode, 16);
  EXPECT_TRUE(Glintweave->FileSaveItem->isEnabled());
}

TEST_F(FileCommands, OkAtOnceHandsOverThirtyByThirtySquare) {
  NewThroughDialog();
  ASSERT_EQ(Glintweave->MDIChildCount(), 1);
  EXPECT_EQ(Glintweave->NewWidth, 30);
  EXPECT_EQ(Glintweave->NewHeight, 30);
  EXPECT_EQ(Glintweave->MDIChildren(0)->Pattern->BeadPattern(), BPsquare);
}

TEST_F(FileCommands, CancelledDialogMakesNothingAndResetsItsReport) {
  WhenModal([] { QTest::mouseClick(PatternSize_f->CancelBtn, Qt::LeftButton); });
  QTest::mouseClick(Glintweave->NewBtn, Qt::LeftButton);
  EXPECT_EQ(Glintweave->MDIChildCount(), 0);
  EXPECT_FALSE(PatternSize_f->Cancelled);
}

TEST_F(FileCommands, ChartsAreNamedAfterTheCountOfOpenCharts) {
  NewChart(3, 3);
  NewChart(3, 3);
  EXPECT_EQ(Captions(), (QStringList{"NONAME1", "NONAME2"}));
  NewThroughDialog();
  EXPECT_EQ(Captions().last(), QStringLiteral("NONAME3"));
  // Close NONAME1: the next chart is a second NONAME3 (the count is 2 + 1).
  Glintweave->ClientArea->setActiveSubWindow(Glintweave->MDIChildren(0));
  Ui.Answers = {TAnswer::Yes};
  Glintweave->FileCloseItem->trigger();
  Settle();
  NewThroughDialog();
  EXPECT_EQ(Captions(), (QStringList{"NONAME2", "NONAME3", "NONAME3"}));
}

TEST_F(FileCommands, ANewChartTooLargeForItsPositionsIsRefusedWithAMessage) {
  NewThroughDialog(QStringLiteral("20000"), QStringLiteral("10"));
  EXPECT_EQ(Glintweave->MDIChildCount(), 0);
  EXPECT_TRUE(Ui.Texts().contains(QString::fromLatin1(ChartTooLargeText)));
  EXPECT_FALSE(ProgressDlg->isVisible());
  // The fields of the last good chart stay.
  EXPECT_EQ(Glintweave->NewWidth, 0);
}

TEST_F(FileCommands, SaveOfANonameChartAsksForANameAndWritesThePatternFile) {
  TMDIChild* child = NewChart(5, 4);
  child->Modified = true;
  const QString file = Path("rose.bfp");
  Ui.SaveFiles = {file};
  QTest::mouseClick(Glintweave->SaveBtn, Qt::LeftButton);
  ASSERT_EQ(Ui.FileRequests.size(), 1u);
  EXPECT_EQ(Ui.FileRequests[0].Title, QStringLiteral(" "));
  EXPECT_TRUE(Ui.FileRequests[0].Filter.startsWith(QStringLiteral("BitMap")));
  EXPECT_TRUE(Ui.FileRequests[0].SelectedFilter.startsWith(QStringLiteral("Bead File Pattern")));
  EXPECT_TRUE(ReadsAsPattern(file, 5, 4));
  EXPECT_EQ(child->FileName, file);
  EXPECT_EQ(child->windowTitle(), QStringLiteral("rose.bfp"));
  EXPECT_FALSE(child->Modified);
  EXPECT_TRUE(child->Pattern->UndoList().empty());
}

TEST_F(FileCommands, SaveAsBitmapWritesThePictureWithoutWarningAndLaterSavesWarn) {
  TMDIChild* child = NewChart(5, 4);
  child->Modified = true;
  const QString file = Path("rose.bmp");
  Ui.SaveFiles = {file};
  Glintweave->FileSaveAsItem->trigger();
  QImage written(file);
  ASSERT_FALSE(written.isNull());
  EXPECT_EQ(written.size(), QSize(child->Bitmap.Width(), child->Bitmap.Height()));
  EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), child->Bitmap.Image());
  EXPECT_FALSE(Ui.Texts().contains(BitmapWarning));
  EXPECT_EQ(child->windowTitle(), QStringLiteral("NONAME1"));
  EXPECT_TRUE(child->Modified);
  EXPECT_EQ(child->FileName, file);

  QFile::remove(file);
  Ui.Clear();
  Glintweave->FileSaveItem->trigger();
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text, BitmapWarning);
  EXPECT_TRUE(Ui.Messages[0].Plain);
  EXPECT_TRUE(Ui.FileRequests.empty());
  EXPECT_FALSE(QImage(file).isNull());
  EXPECT_TRUE(child->Modified);
}

TEST_F(FileCommands, AnExtensionLikeBmpxStillWritesABitmap) {
  TMDIChild* child = NewChart(3, 3);
  const QString file = Path("odd.BmPx");
  Ui.SaveFiles = {file};
  Glintweave->FileSaveAsItem->trigger();
  QImageReader reader(file);
  EXPECT_EQ(reader.format(), QByteArray("bmp"));
  EXPECT_EQ(reader.size(), QSize(child->Bitmap.Width(), child->Bitmap.Height()));
}

TEST_F(FileCommands, SaveAsCancelledKeepsTheNameAndWritesNothing) {
  TMDIChild* child = NewChart(3, 3);
  NewChart(3, 3);
  Glintweave->ClientArea->setActiveSubWindow(Glintweave->MDIChildren(1));
  child = Glintweave->MDIChildren(1);
  Ui.SaveFiles = {std::nullopt};
  EXPECT_FALSE(Glintweave->saveAs());
  EXPECT_EQ(child->FileName, QStringLiteral("NONAME2"));
  EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(FileCommands, SaveOfAnOpenedChartWritesStraightBack) {
  const QString file = WritePattern("old.bfp", BPbrick, 4, 3);
  Ui.OpenFiles = {file};
  Glintweave->FileOpenItem->trigger();
  Settle();
  ASSERT_EQ(Glintweave->MDIChildCount(), 1);
  TMDIChild* child = Glintweave->MDIChildren(0);
  EXPECT_EQ(child->windowTitle(), QStringLiteral("old.bfp"));
  EXPECT_EQ(child->FileName, file);
  EXPECT_EQ(Glintweave->CreateMode, 2);
  EXPECT_EQ(Glintweave->PendingFileName, file);
  QFile::remove(file);
  child->Modified = true;
  Ui.Clear();
  Glintweave->FileSaveItem->trigger();
  EXPECT_TRUE(Ui.FileRequests.empty());
  EXPECT_TRUE(ReadsAsPattern(file, 4, 3));
  EXPECT_FALSE(child->Modified);
}

TEST_F(FileCommands, ANameWithoutADotAsksAgainUntilOneHasIt) {
  TMDIChild* child = NewChart(3, 3);
  child->FileName = QStringLiteral("photo");  // as a converted chart is named
  Ui.SaveFiles = {Path("nodot"), Path("nodot2"), Path("good.bfp")};
  EXPECT_TRUE(Glintweave->save());
  EXPECT_EQ(Ui.FileRequests.size(), 3u);
  EXPECT_TRUE(ReadsAsPattern(Path("good.bfp"), 3, 3));
  EXPECT_EQ(child->windowTitle(), QStringLiteral("good.bfp"));
}

TEST_F(FileCommands, AFailedPatternWriteKeepsTheChartMarkedAsChanged) {
  TMDIChild* child = NewChart(3, 3);
  child->Modified = true;
  child->FileName = Path("no/such/folder/chart.bfp");
  EXPECT_FALSE(Glintweave->save());
  EXPECT_TRUE(child->Modified);
  EXPECT_FALSE(Ui.Messages.empty());  // the writer said why
}

TEST_F(FileCommands, SaveAndSaveAsWithoutAChart) {
  EXPECT_FALSE(Glintweave->save());
  EXPECT_EQ(Ui.Texts(), QStringList{QString::fromLatin1(ChartRequiredText)});
  EXPECT_TRUE(Ui.FileRequests.empty());
  Ui.Clear();
  Ui.SaveFiles = {Path("x.bfp")};
  EXPECT_FALSE(Glintweave->saveAs());
  EXPECT_EQ(Ui.FileRequests.size(), 1u);  // the dialog first, then the message
  EXPECT_EQ(Ui.Texts(), QStringList{QString::fromLatin1(ChartRequiredText)});
  EXPECT_EQ(QString::fromLatin1(ChartRequiredText),
            QStringLiteral("A Bead Pattern Window must\n     be selected to try this."));
}

TEST_F(FileCommands, OpeningABadFileLeavesNoWindowAndShowsTheReadersMessage) {
  const QString file = Path("bad.bfp");
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a chart, not even close to one.");
  }
  Ui.OpenFiles = {file};
  QTest::mouseClick(Glintweave->OpenBtn, Qt::LeftButton);
  Settle();
  EXPECT_EQ(Glintweave->MDIChildCount(), 0);
  EXPECT_TRUE(Glintweave->ClientArea->subWindowList().isEmpty());
  EXPECT_FALSE(ProgressDlg->isVisible());
  EXPECT_TRUE(Ui.Texts().contains(QStringLiteral("Wrong version or incompatable file.")));
  EXPECT_FALSE(Glintweave->FileCloseItem->isEnabled());
  ASSERT_EQ(Ui.FileRequests.size(), 1u);
  EXPECT_TRUE(Ui.FileRequests[0].Filter.startsWith(QStringLiteral("Any")));
}

TEST_F(FileCommands, CloseAsksAndOnlyYesCloses) {
  NewChart(3, 3);
  for (TAnswer a : {TAnswer::No, TAnswer::Cancel}) {
    Ui.Clear();
    Ui.Answers = {a};
    Glintweave->FileCloseItem->trigger();
    Settle();
    EXPECT_EQ(Glintweave->MDIChildCount(), 1);
  }
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_EQ(Ui.Messages[0].Text, QStringLiteral("Do you want to close NONAME1 ?"));
  EXPECT_EQ(Ui.Messages[0].Caption, QStringLiteral("Warnning"));
  EXPECT_EQ(Ui.Messages[0].Buttons, TButtons::YesNoCancel);
  Ui.Answers = {TAnswer::Yes};
  Glintweave->MDIChildren(0)->Close1->trigger();  // the chart's popup "&Close"
  Settle();
  EXPECT_EQ(Glintweave->MDIChildCount(), 0);
  Ui.Clear();
  Glintweave->FileCloseItemClick();
  EXPECT_EQ(Ui.Texts(), QStringList{QString::fromLatin1(ChartRequiredText)});
}

TEST_F(FileCommands, ClosingAModifiedChartAsksBeforeItGoes) {
  TMDIChild* child = NewChart(3, 3);
  child->Modified = true;
  const QString question = QStringLiteral(
      "You Have not saved your changes to NONAME1 \nDo you want to save before you Exit?");
  // Cancel keeps it open.
  Ui.Answers = {TAnswer::Yes, TAnswer::Cancel};
  Glintweave->FileCloseItem->trigger();
  Settle();
  ASSERT_EQ(Ui.Messages.size(), 2u);
  EXPECT_EQ(Ui.Messages[1].Text, question);
  EXPECT_EQ(Ui.Messages[1].Caption, QStringLiteral("Message Box"));
  EXPECT_EQ(Glintweave->MDIChildCount(), 1);
  // Yes with the save dialog cancelled keeps it open too.
  Ui.Clear();
  Ui.Answers = {TAnswer::Yes, TAnswer::Yes};
  Ui.SaveFiles = {std::nullopt};
  Glintweave->FileCloseItem->trigger();
  Settle();
  EXPECT_EQ(Glintweave->MDIChildCount(), 1);
  EXPECT_EQ(Ui.FileRequests.size(), 1u);
  // Yes with a name saves, then closes.
  Ui.Answers = {TAnswer::Yes, TAnswer::Yes};
  Ui.SaveFiles = {Path("kept.bfp")};
  Glintweave->FileCloseItem->trigger();
  Settle();
  EXPECT_EQ(Glintweave->MDIChildCount(), 0);
  EXPECT_TRUE(ReadsAsPattern(Path("kept.bfp"), 3, 3));
}

TEST_F(FileCommands, NoClosesAModifiedChartWithoutSaving) {
  TMDIChild* child = NewChart(3, 3);
  child->Modified = true;
  Ui.Answers = {TAnswer::Yes, TAnswer::No};
  Glintweave->FileCloseItem->trigger();
  Settle();
  EXPECT_EQ(Glintweave->MDIChildCount(), 0);
  EXPECT_TRUE(Ui.FileRequests.empty());
}

TEST_F(FileCommands, ExitAsksAndOnlyYesEnds) {
  for (TAnswer a : {TAnswer::No, TAnswer::Cancel}) {
    Ui.Answers = {a};
    QTest::mouseClick(Glintweave->ExitBtn, Qt::LeftButton);
    EXPECT_TRUE(Glintweave->isVisible());
  }
  EXPECT_EQ(Ui.Messages.back().Text, QStringLiteral("Do you want to Exit?"));
  EXPECT_EQ(Ui.Messages.back().Caption, QStringLiteral("Warnning"));
  Ui.Answers = {TAnswer::Yes};
  Glintweave->FileExitItem->trigger();
  EXPECT_FALSE(Glintweave->isVisible());
}

TEST_F(FileCommands, ExitWithAModifiedChartCancelledKeepsEverythingOpen) {
  TMDIChild* plain = NewChart(3, 3);
  TMDIChild* changed = NewChart(3, 3);
  changed->Modified = true;
  Ui.Answers = {TAnswer::Yes, TAnswer::Cancel};
  Glintweave->FileExitItem->trigger();
  Settle();
  EXPECT_TRUE(Glintweave->isVisible());
  EXPECT_EQ(Glintweave->MDIChildCount(), 2);
  EXPECT_FALSE(plain->Closed());
  // The close box asks the same, without the exit question.
  Ui.Clear();
  Ui.Answers = {TAnswer::No};
  Glintweave->close();
  Settle();
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_TRUE(Ui.Messages[0].Text.startsWith(QStringLiteral("You Have not saved your changes to NONAME2")));
  EXPECT_FALSE(Glintweave->isVisible());
  EXPECT_EQ(Glintweave->MDIChildCount(), 0);
}

TEST(ExtensionTest, TakesThreeCharactersAfterTheLastDotInLowerCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"rose.BMP", "bmp"}, {"rose.bmp", "bmp"}, {"rose.BmPx", "bmp"},
      {"a.b.bfp", "bfp"},  {"photo", "pho"},    {"x.", ""},
  };
  for (const auto& [name, ext] : cases)
    EXPECT_EQ(TGlintweave::ExtensionOf(QString::fromLatin1(name)), QString::fromLatin1(ext)) << name;
  EXPECT_EQ(TGlintweave::CaptionOf(QStringLiteral("C:\\c\\rose.bfp")), QStringLiteral("rose.bfp"));
  EXPECT_EQ(TGlintweave::CaptionOf(QStringLiteral("/tmp/c/rose.bfp")), QStringLiteral("rose.bfp"));
  EXPECT_EQ(TGlintweave::CaptionOf(QStringLiteral("NONAME1")), QStringLiteral("NONAME1"));
}

}  // namespace
