// Conversion speed, each figure beside its baseline from the same run:
//  - the cell walk at bead size 22 on a 4000 by 3000 picture against one plain
//    pass that reads every pixel of the same picture;
//  - letting pending messages run after every cell against the walk that lets
//    them run at most every 10 ms;
//  - the whole glintweave-cli convert process on a 24-bit 4000 by 3000 BMP
//    against ImageMagick's box-filter scale of the same file to the same grid.
#include "conversion/ScanForm_Walk.h"
#include "platform/Picture.h"

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int Width = 4000, Height = 3000;

// A picture with detail everywhere, the same in every run.
const TPicture& SourcePicture() {
  static TPicture picture;
  if (picture.IsEmpty()) {
    picture.SetSize(Width, Height);
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < Width; ++x) {
        const unsigned h = unsigned(x) * 2654435761u ^ unsigned(y) * 40503u;
        line[x] = qRgb((x / 16 + (h >> 28)) & 0xFF, (y / 12 + (h >> 24)) & 0xFF, (x + y) / 28 & 0xFF);
      }
    }
    picture.Assign(image);
  }
  return picture;
}

void BM_PlainPass(benchmark::State& state) {
  const QImage& image = SourcePicture().Image();
  for (auto _ : state) {
    std::uint32_t red = 0, green = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        red += (line[x] >> 16) & 0xFF;
        green += (line[x] >> 8) & 0xFF;
        blue += line[x] & 0xFF;
      }
    }
    benchmark::DoNotOptimize(red);
    benchmark::DoNotOptimize(green);
    benchmark::DoNotOptimize(blue);
  }
}
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMillisecond);

void Walk(benchmark::State& state, int pumpIntervalMs, bool pump) {
  TPicture work;
  work.SetSize(Width, Height);
  ConvertedBeads beads;
  TWalkSettings settings;
  settings.BeadSize = 22;
  settings.Converting = true;
  settings.PumpIntervalMs = pumpIntervalMs;
  if (pump) settings.Pump = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
  bool cancel = false;
  settings.CancelRequested = [&] { return cancel; };
  for (auto _ : state) {
    state.PauseTiming();
    work.Draw(0, 0, SourcePicture());  // each walk starts from untouched pixels
    beads.clear();
    state.ResumeTiming();
    WalkCells(work, settings, beads);
    benchmark::DoNotOptimize(beads.data());
  }
  state.counters["cells"] = double(beads.size());
}

void BM_WalkCells(benchmark::State& state) { Walk(state, 10, false); }
BENCHMARK(BM_WalkCells)->Unit(benchmark::kMillisecond);

void BM_WalkPumpEvery10ms(benchmark::State& state) { Walk(state, 10, true); }
BENCHMARK(BM_WalkPumpEvery10ms)->Unit(benchmark::kMillisecond);

void BM_WalkPumpEveryCell(benchmark::State& state) { Walk(state, 0, true); }
BENCHMARK(BM_WalkPumpEveryCell)->Unit(benchmark::kMillisecond);

// ---- whole processes

struct TProcessFixture {
  QTemporaryDir Dir;
  QString Bmp, Cli, Magick;
  int Rows = 0, Columns = 0;
  bool Ready = false;
  QString Problem;

  TProcessFixture() {
    Bmp = Dir.filePath("in.bmp");
    QImage rgb888 = SourcePicture().Image().convertToFormat(QImage::Format_RGB888);
    if (!rgb888.save(Bmp, "BMP")) { Problem = "cannot write the test picture"; return; }
    Cli = QStringLiteral(GLINTWEAVE_BINARY_DIR "/src/glintweave-cli");
    Magick = QStandardPaths::findExecutable("convert");
    QProcess p;
    p.start(Cli, {"convert", Bmp, Dir.filePath("out.bfp"), "--bead-size", "22"});
    if (!p.waitForFinished(600000) || p.exitCode() != 0) { Problem = "glintweave-cli convert failed"; return; }
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    std::sscanf(out.toUtf8().constData(), "Rows %d\nColumns %d", &Rows, &Columns);
    Ready = Rows > 0 && Columns > 0;
    if (!Ready) Problem = "no read-outs from glintweave-cli convert";
  }
};

TProcessFixture& Processes() {
  static TProcessFixture fixture;
  return fixture;
}

void RunProcess(benchmark::State& state, const QString& program, const QStringList& args) {
  for (auto _ : state) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
      state.SkipWithError(qPrintable(program + " failed: " + QString::fromUtf8(p.readAllStandardError())));
      return;
    }
  }
}

void BM_CliConvertProcess(benchmark::State& state) {
  TProcessFixture& f = Processes();
  if (!f.Ready) return state.SkipWithError(qPrintable(f.Problem));
  RunProcess(state, f.Cli, {"convert", f.Bmp, f.Dir.filePath("out.bfp"), "--bead-size", "22"});
}
BENCHMARK(BM_CliConvertProcess)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_ImageMagickScale(benchmark::State& state) {
  TProcessFixture& f = Processes();
  if (!f.Ready) return state.SkipWithError(qPrintable(f.Problem));
  if (f.Magick.isEmpty()) return state.SkipWithError("ImageMagick's convert is not installed");
  RunProcess(state, f.Magick,
             {f.Bmp, "-scale", QStringLiteral("%1x%2!").arg(f.Columns).arg(f.Rows), f.Dir.filePath("magick.bmp")});
}
BENCHMARK(BM_ImageMagickScale)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// Keeps each benchmark's time per iteration so the ratios can be printed at the end.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      std::string name = run.benchmark_name();
      name = name.substr(0, name.find('/'));
      Times[name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio(const char* what, const char* measured, const char* baseline, const char* limit) {
    const auto m = Times.find(measured), b = Times.find(baseline);
    if (m == Times.end() || b == Times.end() || b->second <= 0) {
      std::printf("%-52s (not measured)\n", what);
      return;
    }
    std::printf("%-52s %6.2f  (%s / %s; %s)\n", what, m->second / b->second, measured, baseline, limit);
  }
  std::map<std::string, double> Times;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatios:\n");
  reporter.PrintRatio("cell walk, bead size 22, to one plain pass", "BM_WalkCells", "BM_PlainPass", "at most 2");
  reporter.PrintRatio("walk pumping every 10 ms to the walk alone", "BM_WalkPumpEvery10ms", "BM_WalkCells",
                      "about 1");
  reporter.PrintRatio("walk pumping after every cell to the walk alone", "BM_WalkPumpEveryCell",
                      "BM_WalkCells", "what the 10 ms pump saves");
  reporter.PrintRatio("glintweave-cli convert to ImageMagick -scale", "BM_CliConvertProcess",
                      "BM_ImageMagickScale", "at most 1");
  benchmark::Shutdown();
  return 0;
}
