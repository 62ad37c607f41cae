// The application's own figures, offscreen: start-up to the frame shown, a new
// 600 by 600 chart and an opened 600 by 600 pattern file to a fully drawn
// window, and the memory one such chart takes. Each beside a baseline from the
// same run, with the ratio.
#include "chartwindow/ChildWin.h"
#include "frame/Application.h"
#include "frame/Main.h"
#include "platform/ScriptedUserInterface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

namespace {

constexpr int Side = 600;

void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

// Resident memory of this process in bytes.
std::int64_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// Every question answered without a screen.
TScriptedUserInterface& Seam() {
  static TScriptedUserInterface ui;
  return ui;
}

TMDIChild* NewChart() {
  Glintweave->CreateMode = 0;
  Glintweave->NewWidth = Side;
  Glintweave->NewHeight = Side;
  Glintweave->NewStyle = BPsquare;
  return Glintweave->CreateMDIChild(QStringLiteral("NONAME1"));
}

// Shows the window and paints it now, as the screen would.
void DrawFully(TMDIChild* child) {
  Settle();
  child->View()->repaint();
  Glintweave->ClientArea->viewport()->repaint();
}

void CloseAll() {
  for (int i = Glintweave->MDIChildCount() - 1; i >= 0; --i) {
    TMDIChild* c = Glintweave->MDIChildren(i);
    c->Modified = false;
    c->CloseWithoutAsking();
  }
  Settle();
}

// ---------------------------------------------------------------- start-up

void BM_StartUpToFrameShown(benchmark::State& state) {
  for (auto _ : state) {
    CreateApplicationForms();
    Glintweave->show();
    Settle();
    Glintweave->repaint();
    state.PauseTiming();
    DestroyApplicationForms();
    Settle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFrameShown)->Unit(benchmark::kMillisecond);

// Baseline: an empty main window of the same size, shown.
void BM_Baseline_EmptyMainWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    auto* w = new QMainWindow;
    w->resize(611, 446);
    w->show();
    Settle();
    w->repaint();
    state.PauseTiming();
    delete w;
    Settle();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Baseline_EmptyMainWindowShown)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- new chart

void BM_NewChart600(benchmark::State& state) {
  CreateApplicationForms();
  Glintweave->show();
  Settle();
  for (auto _ : state) {
    TMDIChild* child = NewChart();
    DrawFully(child);
    state.PauseTiming();
    CloseAll();
    state.ResumeTiming();
  }
  DestroyApplicationForms();
  Settle();
}
BENCHMARK(BM_NewChart600)->Unit(benchmark::kMillisecond);

// Baseline: a plain fill of a picture of the same size.
void BM_Baseline_FillSamePicture(benchmark::State& state) {
  const QSize size = TBeadPattern::PictureSize(BPsquare, Side, Side, 1.0f, 1, 1);
  for (auto _ : state) {
    TPicture picture(size.width(), size.height());
    picture.Fill(0x808080);
    benchmark::DoNotOptimize(picture.Pixel(1, 1));
  }
}
BENCHMARK(BM_Baseline_FillSamePicture)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- open file

QString PatternFile() {
  static QTemporaryDir dir;
  static QString name;
  if (name.isEmpty()) {
    name = dir.filePath(QStringLiteral("chart600.bfp"));
    TBeadPattern p;
    p.SetBeadPatternWidth(Side);
    p.SetBeadPatternHeight(Side);
    p.NewPattern(BPsquare);
    for (int i = 0; i < Side * Side; i += 7) p.PaintBeadAt(nullptr, nullptr, i, BeadPainted, 0x3366CC, false);
    p.WritePatternFile(name);
  }
  return name;
}

void BM_OpenPattern600(benchmark::State& state) {
  const QString file = PatternFile();
  CreateApplicationForms();
  Glintweave->show();
  Settle();
  for (auto _ : state) {
    Glintweave->CreateMode = 2;
    Glintweave->PendingFileName = file;
    TMDIChild* child = Glintweave->CreateMDIChild(file);
    if (!child) {
      state.SkipWithError("the pattern file did not open");
      break;
    }
    DrawFully(child);
    state.PauseTiming();
    CloseAll();
    state.ResumeTiming();
  }
  DestroyApplicationForms();
  Settle();
}
BENCHMARK(BM_OpenPattern600)->Unit(benchmark::kMillisecond);

// Baseline: reading the same bytes from the same file.
void BM_Baseline_ReadSameFile(benchmark::State& state) {
  const QString file = PatternFile();
  for (auto _ : state) {
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    benchmark::DoNotOptimize(f.readAll());
  }
}
BENCHMARK(BM_Baseline_ReadSameFile)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------- memory

void BM_MemoryOfOneChart600(benchmark::State& state) {
  CreateApplicationForms();
  Glintweave->show();
  Settle();
  const QSize size = TBeadPattern::PictureSize(BPsquare, Side, Side, 1.0f, 1, 1);
  const double pictureBytes = double(size.width()) * size.height() * 4;
  double ratio = 0;
  for (auto _ : state) {
    const std::int64_t before = ResidentBytes();
    TMDIChild* child = NewChart();
    DrawFully(child);
    const std::int64_t after = ResidentBytes();
    ratio = double(after - before) / pictureBytes;
    state.PauseTiming();
    CloseAll();
    state.ResumeTiming();
  }
  state.counters["picture_MB"] = pictureBytes / 1e6;
  state.counters["chart_over_picture"] = ratio;
  DestroyApplicationForms();
  Settle();
}
BENCHMARK(BM_MemoryOfOneChart600)->Unit(benchmark::kMillisecond)->Iterations(1);

// Prints each figure over its baseline once every benchmark has run.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) Times[r.benchmark_name()] = r.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    const std::pair<const char*, const char*> pairs[] = {
        {"BM_StartUpToFrameShown", "BM_Baseline_EmptyMainWindowShown"},
        {"BM_NewChart600", "BM_Baseline_FillSamePicture"},
        {"BM_OpenPattern600", "BM_Baseline_ReadSameFile"},
    };
    for (const auto& [figure, baseline] : pairs) {
      auto f = Times.find(figure), b = Times.find(baseline);
      if (f == Times.end() || b == Times.end() || b->second <= 0) continue;
      std::printf("%-28s %8.2f ms  baseline %-34s %8.2f ms  ratio %6.2f\n", figure, f->second,
                  baseline, b->second, f->second / b->second);
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
