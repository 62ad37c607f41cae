// The progress window as the model's progress sink.
#include "frame/GuiTest.h"

#include <QProgressBar>

namespace {

class Progress : public GuiTest {};

TEST_F(Progress, FormHasItsCaptionSizeAndBar) {
  EXPECT_EQ(ProgressDlg->windowTitle(), QStringLiteral("Progress"));
  EXPECT_EQ(ProgressDlg->size(), QSize(222, 41));
  EXPECT_EQ(ProgressDlg->ProgressBar1->geometry(), QRect(10, 10, 200, 22));
  EXPECT_EQ(ProgressDlg->ProgressBar1->minimum(), 0);
  EXPECT_EQ(ProgressDlg->ProgressBar1->maximum(), 100);
}

TEST_F(Progress, OnlyANewPercentageMovesTheBarAndLetsQueuedEventsRun) {
  ProgressDlg->StartPhase(QStringLiteral("Creating Beads."));
  Ui.Pending.clear();
  ProgressDlg->Progress(0);
  EXPECT_TRUE(Ui.Pending.empty());
  ProgressDlg->Progress(40);
  ProgressDlg->Progress(40);
  ProgressDlg->Progress(80);
  ASSERT_EQ(Ui.Pending.size(), 2u);
  EXPECT_EQ(Ui.Pending[0].ProgressValue, 40);
  EXPECT_EQ(Ui.Pending[1].ProgressValue, 80);
  for (const auto& p : Ui.Pending) EXPECT_FALSE(p.IncludeUserInput);
}

TEST_F(Progress, HundredFillsTheBarAndANewPhaseStartsFromZero) {
  ProgressDlg->Progress(100);
  EXPECT_EQ(ProgressDlg->ProgressBar1->value(), 100);
  ProgressDlg->StartPhase(QStringLiteral("Drawing Bitmap"));
  EXPECT_EQ(ProgressDlg->ProgressBar1->value(), 0);
  EXPECT_EQ(ProgressDlg->windowTitle(), QStringLiteral("Drawing Bitmap"));
  ProgressDlg->Progress(250);
  EXPECT_EQ(ProgressDlg->ProgressBar1->value(), 100);
}

TEST_F(Progress, ModelLoopsReportThroughTheWindowEveryFourthStep) {
  // A 3 by 10 chart lays down its rows reporting 0, 40 and 80 per cent.
  TBeadPattern p;
  p.SetBeadPatternWidth(3);
  p.SetBeadPatternHeight(10);
  p.SetProgressHandle(ProgressDlg);
  ProgressDlg->StartPhase(QStringLiteral("Creating Beads."));
  ProgressDlg->Progress(5);  // off zero, so 0 counts as a change again
  Ui.Pending.clear();
  ASSERT_TRUE(p.NewPattern(BPsquare));
  std::vector<int> seen;
  for (const auto& e : Ui.Pending) seen.push_back(e.ProgressValue);
  EXPECT_EQ(seen, (std::vector<int>{0, 40, 80}));
}

}  // namespace
