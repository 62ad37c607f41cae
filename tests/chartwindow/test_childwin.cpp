// The chart window: its three ways of coming into being, fitting, activation,
// the operations the frame calls, repainting only what changed, progress.
#include "frame/GuiTest.h"

#include <QMenu>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>

namespace {

class ChartWindow : public GuiTest {
protected:
  TMDIChild* FromConversion(const ConvertedBeads& beads) {
    *Glintweave->ConvertedBeads = beads;
    Glintweave->CreateMode = 1;
    TMDIChild* child = Glintweave->CreateMDIChild(QStringLiteral("photo"));
    Settle();
    return child;
  }
  TMDIChild* Open(const QString& file) {
    Glintweave->CreateMode = 2;
    Glintweave->PendingFileName = file;
    TMDIChild* child = Glintweave->CreateMDIChild(file);
    Settle();
    return child;
  }
  static QSize PictureOf(TMDIChild* c) { return {c->Bitmap.Width(), c->Bitmap.Height()}; }
};

// Records the rectangles the chart view was asked to paint.
class TPaintSpy : public QObject {
public:
  QRegion Painted;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

TEST_F(ChartWindow, ANewChartHasItsPictureDrawnAndTheWindowFitsIt) {
  TMDIChild* child = NewChart(20, 20);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(PictureOf(child), QSize(148, 210));
  EXPECT_EQ(child->View()->size(), QSize(148, 210));
  EXPECT_EQ(child->Scroller()->viewport()->size(), QSize(148, 210));
  EXPECT_EQ(child->Pattern->Beads().size(), 400u);
  // background between beads, base colour inside one
  EXPECT_EQ(child->Bitmap.Pixel(0, 0), 0x808080u);
  EXPECT_EQ(child->Bitmap.Pixel(8, 9), child->Pattern->BaseBeadColor());
  EXPECT_FALSE(child->Modified);
  EXPECT_EQ(child->Pattern->ProgressHandle(), nullptr);
  EXPECT_FALSE(ProgressDlg->isVisible());
  EXPECT_EQ(child->PaintIndex, 7);
  EXPECT_EQ(child->FillIndex, 5);
  EXPECT_EQ(child->HighlightColor, 0xFFFFFFu);
  EXPECT_EQ(child->BackGroundColor, 0x808080u);
  EXPECT_FALSE(child->windowIcon().isNull());
}

TEST_F(ChartWindow, AnEmptyChartGivesTheSmallestPicture) {
  TMDIChild* child = NewChart(0, 0);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->Scroller()->viewport()->size(), QSize(8, 10));
}

TEST_F(ChartWindow, APictureLargerThanTheWorkspaceScrolls) {
  TMDIChild* child = NewChart(200, 200);
  ASSERT_NE(child, nullptr);
  const QSize room = Glintweave->ClientArea->viewport()->size();
  EXPECT_LE(child->width(), room.width());
  EXPECT_LE(child->height(), room.height());
  EXPECT_EQ(child->View()->size(), PictureOf(child));
  EXPECT_TRUE(child->Scroller()->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(child->Scroller()->verticalScrollBar()->isVisible());
  // A picture this big lives in large pages; it draws and reads like any other.
  const StoredBead& b = child->Pattern->Beads().back();
  EXPECT_EQ(child->Bitmap.Pixel(b.Left + 2, b.Top + 4), child->Pattern->BaseBeadColor());
  EXPECT_EQ(child->Bitmap.Pixel(child->Bitmap.Width() - 1, child->Bitmap.Height() - 1), 0x808080u);
  child->Bitmap.SetPixel(0, 0, 0x010203);
  EXPECT_EQ(child->Bitmap.Pixel(0, 0), 0x010203u);
  const QString file = Path("big.bmp");
  ASSERT_TRUE(child->Bitmap.Save(file));
  EXPECT_EQ(QImage(file).convertToFormat(QImage::Format_RGB32), child->Bitmap.Image());
}

TEST_F(ChartWindow, AConversionResultBecomesAModifiedChart) {
  ConvertedBeads beads;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c)
      beads.push_back({c % 2 ? 0x0000FFu : 0xFF0000u, BeadPainted, BPsquare,
                       std::uint16_t(r), std::uint16_t(c)});
  TMDIChild* child = FromConversion(beads);
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(child->Modified);
  EXPECT_EQ(child->Pattern->BeadPatternWidth(), 4);
  EXPECT_EQ(child->Pattern->BeadPatternHeight(), 3);
  EXPECT_FLOAT_EQ(child->Pattern->Zoom(), 1.0f);
  EXPECT_EQ(child->windowTitle(), QStringLiteral("photo"));
  EXPECT_EQ(child->ColorList().size(), 2u);
  // Two colours only: activation takes the last entry for paint and fill.
  Glintweave->ClientArea->setActiveSubWindow(child);
  child->FormActivate();
  EXPECT_EQ(child->PaintIndex, 1);
  EXPECT_EQ(child->FillIndex, 1);
  EXPECT_EQ(Glintweave->CurrentPaintColor, child->ColorList()[1].ComponentColor());
  EXPECT_EQ(Glintweave->PaintColor->pixmap().toImage().pixelColor(0, 0),
            ToQColor(child->ColorList()[1].ComponentColor()));
  const StoredBead& b = child->Pattern->Beads()[1];
  EXPECT_EQ(child->Bitmap.Pixel((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2), 0x0000FFu);
}

TEST_F(ChartWindow, AnEmptyConversionResultMakesNoWindow) {
  EXPECT_EQ(FromConversion({}), nullptr);
  EXPECT_TRUE(Glintweave->ClientArea->subWindowList().isEmpty());
}

TEST_F(ChartWindow, ActivationChecksTheStyleAndGapsOfTheActiveChart) {
  TMDIChild* brick = NewChart(5, 5, BPbrick);
  TMDIChild* gapped = Open(WritePattern("gaps.bfp", BPpeyote, 4, 4, 3, 4));
  ASSERT_TRUE(brick && gapped);
  Glintweave->ClientArea->setActiveSubWindow(gapped);
  EXPECT_TRUE(gapped->WindowActive);
  EXPECT_FALSE(brick->WindowActive);
  EXPECT_TRUE(Glintweave->Peyote1->isChecked());
  EXPECT_TRUE(Glintweave->RowGapItems[2]->isChecked());     // N31
  EXPECT_TRUE(Glintweave->ColumnGapItems[3]->isChecked());  // N42
  EXPECT_FALSE(Glintweave->RowGapItems[0]->isChecked());
  EXPECT_EQ(gapped->RowGap, 1);  // the window still remembers its own choice
  EXPECT_EQ(LastActiveChart, gapped->FileName);
  Glintweave->ClientArea->setActiveSubWindow(brick);
  EXPECT_TRUE(Glintweave->Brick1->isChecked());
  EXPECT_TRUE(Glintweave->RowGapItems[0]->isChecked());
  EXPECT_TRUE(Glintweave->ColumnGapItems[0]->isChecked());
  EXPECT_EQ(LastActiveChart, QStringLiteral("NONAME1"));
}

TEST_F(ChartWindow, SetPatternStyleRelaysTheChartAndKeepsItsBeads) {
  TMDIChild* child = NewChart(20, 20);
  ASSERT_TRUE(child->Pattern->PaintBeadAt(nullptr, child->PictureCanvas(), 21, BeadPainted, 0x00FF00, true));
  child->SetPatternStyle(BPbrick);
  EXPECT_EQ(PictureOf(child), QSize(214, 150));
  EXPECT_EQ(child->View()->size(), QSize(214, 150));
  EXPECT_EQ(child->Pattern->Beads()[21].Color, 0x00FF00u);
  EXPECT_EQ(child->Pattern->UndoList().size(), 1u);
  const StoredBead& b = child->Pattern->Beads()[21];
  EXPECT_EQ(child->Bitmap.Pixel((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2), 0x00FF00u);
  EXPECT_FALSE(child->PaintingSuspended);
  EXPECT_FALSE(ProgressDlg->isVisible());
}

TEST_F(ChartWindow, SetGapsAndChangeBackGroundRebuildThePicture) {
  TMDIChild* child = NewChart(20, 20);
  child->SetGaps(2, 3);
  EXPECT_EQ(child->Pattern->BeadSlackTop(), 2);
  EXPECT_EQ(child->Pattern->BeadSlackSide(), 3);
  EXPECT_EQ(PictureOf(child), QSize((6 + 3) * 20 + 8, 10 + 20 * (9 + 2)));
  child->ChangeBackGround(0x123456);
  EXPECT_EQ(child->Bitmap.Pixel(0, 0), 0x123456u);
  EXPECT_EQ(child->BackGroundColor, 0x123456u);
  EXPECT_EQ(child->Pattern->BackGround(), 0x123456u);
  bool found = false;
  for (const TColorEntry& e : child->Pattern->BuiltInColors())
    if (e.NameText() == QLatin1String("BackGround")) found = e.Color == 0x123456u;
  EXPECT_TRUE(found);
}

TEST_F(ChartWindow, GapsBeyondSixteenBitPositionsAreRefusedAndTheChartStays) {
  TMDIChild* child = NewChart(600, 600);
  ASSERT_NE(child, nullptr);
  const QSize before = PictureOf(child);
  Ui.Clear();
  const StoredBead last = child->Pattern->Beads().back();
  child->SetGaps(120, 1);
  EXPECT_TRUE(Ui.Texts().contains(QString::fromLatin1(ChartTooLargeText)));
  EXPECT_EQ(PictureOf(child), before);
  EXPECT_EQ(child->Pattern->BeadSlackTop(), 1);
  EXPECT_EQ(child->Pattern->Beads().back().Bottom, last.Bottom);
}

TEST_F(ChartWindow, APictureOfManyGigabytesIsRefusedEvenWithinSixteenBits) {
  // Gaps of 100 keep every position below 65536 but would need a 16 GiB picture.
  TMDIChild* child = NewChart(600, 600);
  ASSERT_NE(child, nullptr);
  const QSize before = PictureOf(child);
  const StoredBead last = child->Pattern->Beads().back();
  Ui.Clear();
  child->SetGaps(100, 100);
  EXPECT_TRUE(Ui.Texts().contains(QStringLiteral("Create New BitMap failure")));
  EXPECT_EQ(PictureOf(child), before);
  EXPECT_EQ(child->Pattern->BeadSlackTop(), 1);
  EXPECT_EQ(child->Pattern->BeadSlackSide(), 1);
  EXPECT_EQ(child->Pattern->Beads().back().Right, last.Right);
}

TEST_F(ChartWindow, SavePatternReportsWhetherTheFileWasWritten) {
  TMDIChild* child = NewChart(4, 4);
  child->Pattern->PaintBeadAt(nullptr, nullptr, 3, BeadPainted, 0x0000FF, true);
  child->FileName = Path("missing/dir/c.bfp");
  EXPECT_FALSE(child->SavePattern());
  EXPECT_EQ(child->Pattern->UndoList().size(), 1u);  // kept: nothing was saved
  child->FileName = Path("c.bfp");
  EXPECT_TRUE(child->SavePattern());
  EXPECT_TRUE(child->Pattern->UndoList().empty());
}

TEST_F(ChartWindow, PaintingOneBeadRepaintsOnlyThatBead) {
  TMDIChild* child = NewChart(60, 60);
  Settle();
  TPaintSpy spy;
  child->View()->installEventFilter(&spy);
  const int index = 5 * 60 + 7;
  ASSERT_TRUE(child->Pattern->PaintBeadAt(child->WindowCanvas(), child->PictureCanvas(), index,
                                          BeadPainted, 0x0000FF, true));
  const StoredBead& b = child->Pattern->Beads()[index];
  const QRect bead(QPoint(b.Left, b.Top), QPoint(b.Right - 1, b.Bottom - 1));
  EXPECT_EQ(child->PendingRect(), bead);
  EXPECT_EQ(child->Bitmap.Pixel(b.Left + 2, b.Top + 4), 0x0000FFu);
  child->FlushChanges();
  EXPECT_TRUE(child->PendingRect().isEmpty());
  Settle();
  EXPECT_FALSE(spy.Painted.isEmpty());
  EXPECT_TRUE(bead.contains(spy.Painted.boundingRect())) << spy.Painted.boundingRect().width();
  child->View()->removeEventFilter(&spy);
}

TEST_F(ChartWindow, ForgottenChangesAreRepaintedAtTheNextTurnOfTheLoop) {
  TMDIChild* child = NewChart(10, 10);
  Settle();
  child->PictureCanvas()->FillRect(20, 20, 30, 25, 0x00FFFF);
  EXPECT_EQ(child->PendingRect(), QRect(20, 20, 10, 5));
  Settle();
  EXPECT_TRUE(child->PendingRect().isEmpty());
  EXPECT_EQ(child->Bitmap.Pixel(25, 22), 0x00FFFFu);
}

TEST_F(ChartWindow, TheViewShowsBitmap) {
  TMDIChild* child = NewChart(10, 10);
  child->Bitmap.FillRect(0, 0, 4, 4, 0x0000FF);
  child->RepaintChart();
  Settle();
  const QImage shown = child->View()->grab(QRect(0, 0, 4, 4)).toImage();
  EXPECT_EQ(shown.pixelColor(1, 1), QColor(255, 0, 0));
}

TEST_F(ChartWindow, PopupHasTheChartCommands) {
  TMDIChild* child = NewChart(3, 3);
  QStringList captions;
  for (QAction* a : child->PopupMenu1->actions()) captions << a->objectName() + "=" + a->text();
  EXPECT_EQ(captions, (QStringList{"Close1=&Close", "Save1=&Save", "AddRow1=Add Row",
                                   "AddColumn1=Add Column", "DeleteRow1=Delete Row",
                                   "DeleteCoumn1=Delete Coumn"}));
  Ui.SaveFiles = {Path("pop.bfp")};
  child->Save1->trigger();
  EXPECT_EQ(child->windowTitle(), QStringLiteral("pop.bfp"));
}

TEST_F(ChartWindow, NewChartReportsItsPhasesThroughTheProgressWindow) {
  TMDIChild* child = NewChart(40, 40);
  ASSERT_NE(child, nullptr);
  QStringList phases;
  for (const auto& p : Ui.Pending) {
    if (phases.isEmpty() || phases.last() != p.ProgressCaption) phases << p.ProgressCaption;
    EXPECT_FALSE(p.IncludeUserInput);
    EXPECT_TRUE(p.ProgressVisible);
  }
  EXPECT_EQ(phases, (QStringList{"Creating Beads.", "Drawing Bitmap"}));
  EXPECT_FALSE(ProgressDlg->isVisible());
}

TEST_F(ChartWindow, AnOpenedChartReportsItsPhases) {
  const QString file = WritePattern("p.bfp", BPsquare, 30, 30);
  Ui.Pending.clear();
  TMDIChild* child = Open(file);
  ASSERT_NE(child, nullptr);
  QStringList phases;
  for (const auto& p : Ui.Pending) {
    if (phases.isEmpty() || phases.last() != p.ProgressCaption) phases << p.ProgressCaption;
    EXPECT_FALSE(p.IncludeUserInput);
  }
  ASSERT_GE(phases.size(), 2);
  EXPECT_TRUE(phases.contains(QStringLiteral("Checking Data.....")));
  EXPECT_EQ(phases.last(), QStringLiteral("Drawing Bitmap....."));
  EXPECT_FALSE(ProgressDlg->isVisible());
  EXPECT_FLOAT_EQ(child->Pattern->Zoom(), 1.0f);
  EXPECT_TRUE(child->Pattern->IsZoom());
}

TEST_F(ChartWindow, WithoutTheProgressOptionNoProgressIsShown) {
  Glintweave->UseProgressBar = false;
  TMDIChild* child = NewChart(40, 40);
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(Ui.Pending.empty());
  for (const auto& p : Ui.Pending) EXPECT_FALSE(p.ProgressVisible);
}

TEST_F(ChartWindow, AChartCannotBeClosedInTheMiddleOfItsOwnRelayout) {
  TMDIChild* child = NewChart(40, 40);
  Ui.Pending.clear();
  bool closeAnswered = true;
  Ui.OnPending = [&] {
    if (Glintweave->MDIChildCount() && closeAnswered) closeAnswered = child->close();
  };
  child->SetPatternStyle(BPpeyote);
  Ui.OnPending = nullptr;
  ASSERT_FALSE(Ui.Pending.empty());
  EXPECT_FALSE(closeAnswered);
  Settle();
  ASSERT_EQ(Glintweave->MDIChildCount(), 1);
  EXPECT_EQ(child->Pattern->BeadPattern(), BPpeyote);
  EXPECT_EQ(PictureOf(child), QSize(288, 414));
  EXPECT_FALSE(child->Busy());
}

TEST_F(ChartWindow, APatternTooLargeForSixteenBitPositionsLeavesNoWindow) {
  Glintweave->CreateMode = 0;
  Glintweave->NewWidth = 20000;
  Glintweave->NewHeight = 3;
  Glintweave->NewStyle = BPsquare;
  EXPECT_EQ(Glintweave->CreateMDIChild(QStringLiteral("NONAME1")), nullptr);
  Settle();
  EXPECT_TRUE(Glintweave->ClientArea->subWindowList().isEmpty());
  EXPECT_TRUE(Ui.Texts().contains(QString::fromLatin1(ChartTooLargeText)));
  EXPECT_FALSE(ProgressDlg->isVisible());
}

}  // namespace
