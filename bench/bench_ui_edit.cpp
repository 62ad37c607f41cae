// What one mouse step costs, offscreen, with QTest events on a chart window:
// painting a bead during a drag, one rubber-band step of a line 20 beads long
// and a move that only moves the highlight, each on a 20 by 20 and a 600 by
// 600 chart at zoom 2.25 (the small chart is the baseline: the cost should not
// grow with the chart). And on a 600 by 600 chart at zoom 1, a fill in each
// mode with its redraw and repaint, and its undo, beside a plain fill of the
// same picture.
#include "chartwindow/ChildWin.h"
#include "frame/Application.h"
#include "frame/Main.h"
#include "platform/ScriptedUserInterface.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

TScriptedUserInterface& Seam() {
  static TScriptedUserInterface ui;
  return ui;
}

// A frame with one chart of side by side beads at the zoom, shown and drawn.
class TChartUnderTest {
public:
  TChartUnderTest(int side, float zoom) {
    CreateApplicationForms();
    Glintweave->UseProgressBar = false;
    Glintweave->show();
    Settle();
    Glintweave->CreateMode = 0;
    Glintweave->NewWidth = std::int16_t(side);
    Glintweave->NewHeight = std::int16_t(side);
    Glintweave->NewStyle = BPsquare;
    Child = Glintweave->CreateMDIChild(QStringLiteral("NONAME1"));
    if (Child && zoom != 1.0f) {
      Child->Pattern->SetIsZoom(true);
      Child->Pattern->SetZoom(zoom);
      Child->CreateNewBitmap();
      Child->DrawBitmap(false);
    }
    Settle();
    if (Child) View = Child->View();
  }
  ~TChartUnderTest() {
    if (Child) Child->Modified = false;
    DestroyApplicationForms();
    Settle();
  }
  bool Ok() const { return Child && View && Child->WindowActive; }
  QPoint At(int row, int column) const {
    const StoredBead& b = Child->Pattern->Beads()[std::size_t(row) * Child->Pattern->BeadPatternWidth() + column];
    return QPoint((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  }
  // Lets the repaint that a step asked for happen, as the screen would.
  static void Paint() { QCoreApplication::processEvents(); }

  TMDIChild* Child = nullptr;
  QWidget* View = nullptr;
};

// ---------------------------------------------------------------- mouse steps

void BM_PaintDragStep(benchmark::State& state) {
  TChartUnderTest t(int(state.range(0)), 2.25f);
  if (!t.Ok()) {
    state.SkipWithError("no chart window");
    return;
  }
  Glintweave->SelectSpeedBtn(0);
  Glintweave->CurrentPaintColor = 0x3366CC;
  QTest::mouseMove(t.View, t.At(1, 1));
  QTest::mousePress(t.View, Qt::LeftButton, {}, t.At(1, 1));
  int k = 0;
  for (auto _ : state) {
    // Each step enters another bead of the row and paints it.
    k = k % 17 + 1;
    QTest::mouseMove(t.View, t.At(1, 1 + k));
    TChartUnderTest::Paint();
  }
  QTest::mouseRelease(t.View, Qt::LeftButton, {}, t.At(1, 1 + k));
  state.counters["undo_steps"] = double(t.Child->Pattern->UndoList().size());
}
BENCHMARK(BM_PaintDragStep)->Arg(20)->Arg(600)->Unit(benchmark::kMicrosecond);

void BM_RubberBandStep(benchmark::State& state) {
  TChartUnderTest t(int(state.range(0)), 2.25f);
  if (!t.Ok()) {
    state.SkipWithError("no chart window");
    return;
  }
  Glintweave->ShapeItemClick(3);  // line
  QTest::mouseMove(t.View, t.At(0, 0));
  QTest::mousePress(t.View, Qt::LeftButton, {}, t.At(0, 0));
  int k = 0;
  for (auto _ : state) {
    // The line's end moves between two beads 20 beads from its start.
    k ^= 1;
    QTest::mouseMove(t.View, t.At(k, 19));
    TChartUnderTest::Paint();
  }
  state.counters["beads_traced"] = double(t.Child->Tools.TraceOutlines().Indices().size());
  QTest::mouseRelease(t.View, Qt::LeftButton, {}, t.At(k, 19));
}
BENCHMARK(BM_RubberBandStep)->Arg(20)->Arg(600)->Unit(benchmark::kMicrosecond);

void BM_HighlightMove(benchmark::State& state) {
  TChartUnderTest t(int(state.range(0)), 2.25f);
  if (!t.Ok()) {
    state.SkipWithError("no chart window");
    return;
  }
  Glintweave->SelectSpeedBtn(16);
  int k = 0;
  for (auto _ : state) {
    k ^= 1;
    QTest::mouseMove(t.View, t.At(2, 2 + k));
    TChartUnderTest::Paint();
  }
}
BENCHMARK(BM_HighlightMove)->Arg(20)->Arg(600)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------- fills and undo

// mode: 0 every bead, 1 base beads, 2 replace; undo: time the undo instead.
void FillOrUndo(benchmark::State& state, int mode, bool timeUndo) {
  TChartUnderTest t(600, 1.0f);
  if (!t.Ok()) {
    state.SkipWithError("no chart window");
    return;
  }
  TMDIChild* child = t.Child;
  Glintweave->CurrentPaintColor = 0x3366CC;
  Glintweave->CurrentFillColor = 0x22AA44;
  if (mode == 2) {
    // Every bead painted in the colour the fill replaces.
    child->Pattern->FillAll(&child->Bitmap.Canvas(), 0x3366CC, false);
    child->Pattern->ClearUndo();
  }
  Glintweave->FillMode = std::uint8_t(mode);
  Glintweave->SelectSpeedBtn(1);
  QAction* undo = Glintweave->Undo1;
  const QPoint at = t.At(3, 3);
  QTest::mouseMove(t.View, at);
  for (auto _ : state) {
    if (timeUndo) state.PauseTiming();
    QTest::mouseClick(t.View, Qt::LeftButton, {}, at);
    t.View->repaint();
    if (timeUndo) state.ResumeTiming();
    else state.PauseTiming();
    undo->trigger();
    t.View->repaint();
    if (!timeUndo) state.ResumeTiming();
  }
}

void BM_FillEverything600(benchmark::State& s) { FillOrUndo(s, 0, false); }
void BM_FillBaseBeads600(benchmark::State& s) { FillOrUndo(s, 1, false); }
void BM_FillReplace600(benchmark::State& s) { FillOrUndo(s, 2, false); }
void BM_UndoFillEverything600(benchmark::State& s) { FillOrUndo(s, 0, true); }
void BM_UndoFillBaseBeads600(benchmark::State& s) { FillOrUndo(s, 1, true); }
void BM_UndoFillReplace600(benchmark::State& s) { FillOrUndo(s, 2, true); }
BENCHMARK(BM_FillEverything600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillBaseBeads600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillReplace600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoFillEverything600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoFillBaseBeads600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoFillReplace600)->Unit(benchmark::kMillisecond);

// Baseline: a plain fill of a picture of the same size.
void BM_Baseline_FillSamePicture600(benchmark::State& state) {
  const QSize size = TBeadPattern::PictureSize(BPsquare, 600, 600, 1.0f, 1, 1);
  TPicture picture(size.width(), size.height());
  TColor c = 0;
  for (auto _ : state) {
    picture.Fill(c++);
    benchmark::DoNotOptimize(picture.Pixel(1, 1));
  }
}
BENCHMARK(BM_Baseline_FillSamePicture600)->Unit(benchmark::kMillisecond);

// Baseline: the model's own redraw of every bead of the same chart into its
// picture, which every fill includes.
void BM_Baseline_RedrawSameChart600(benchmark::State& state) {
  TBeadPattern p;
  p.SetBeadPatternWidth(600);
  p.SetBeadPatternHeight(600);
  p.NewPattern(BPsquare);
  p.SetIsZoom(true);
  p.MakeZoomList();
  const QSize size = p.PictureSize();
  TPicture picture(size.width(), size.height());
  for (auto _ : state) {
    p.DrawFromStruct(&picture.Canvas());
    benchmark::DoNotOptimize(picture.Pixel(8, 9));
  }
}
BENCHMARK(BM_Baseline_RedrawSameChart600)->Unit(benchmark::kMillisecond);

// Prints each figure beside its baseline once every benchmark has run.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      // In milliseconds whatever the unit shown.
      const double ms = r.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond) /
                        benchmark::GetTimeUnitMultiplier(r.time_unit);
      Times[r.benchmark_name()] = ms;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nmouse steps, 600 by 600 over 20 by 20 at zoom 2.25 (at most 1.5):\n");
    for (const char* name : {"BM_PaintDragStep", "BM_RubberBandStep", "BM_HighlightMove"}) {
      auto big = Times.find(std::string(name) + "/600"), small = Times.find(std::string(name) + "/20");
      if (big == Times.end() || small == Times.end() || small->second <= 0) continue;
      std::printf("  %-20s %9.4f ms  baseline 20x20 %9.4f ms  ratio %5.2f\n", name, big->second,
                  small->second, big->second / small->second);
    }
    std::printf("\nfills and undo on 600 by 600 at zoom 1 (at most 50 ms each):\n");
    const auto base = Times.find("BM_Baseline_FillSamePicture600");
    const auto redraw = Times.find("BM_Baseline_RedrawSameChart600");
    for (const char* name : {"BM_FillEverything600", "BM_FillBaseBeads600", "BM_FillReplace600",
                             "BM_UndoFillEverything600", "BM_UndoFillBaseBeads600",
                             "BM_UndoFillReplace600"}) {
      auto f = Times.find(name);
      if (f == Times.end()) continue;
      std::printf("  %-26s %8.2f ms", name, f->second);
      if (base != Times.end() && base->second > 0)
        std::printf("  plain fill %6.2f ms ratio %5.2f", base->second, f->second / base->second);
      if (redraw != Times.end() && redraw->second > 0)
        std::printf("  model redraw %6.2f ms ratio %5.2f", redraw->second,
                    f->second / redraw->second);
      std::printf("\n");
    }
  }

private:
  std::map<std::string, double> Times;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  TScopedUI seam(Seam());
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
