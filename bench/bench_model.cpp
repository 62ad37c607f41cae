// Model benchmarks on a 600 by 600 chart. Each one times its subject and a
// baseline side by side in the same iterations and reports the ratio.
#include "model/Beads_Classes.h"
#include "platform/UserInterface.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

std::unique_ptr<TBeadPattern> Chart(EPattern style, int size = 600) {
  auto p = std::make_unique<TBeadPattern>(6, 9);
  p->SetBeadPatternWidth(std::uint16_t(size));
  p->SetBeadPatternHeight(std::uint16_t(size));
  p->NewPattern(style);
  p->SetIsZoom(true);
  p->SetZoom(1.0f);
  p->MakeZoomList();
  // A chart in a handful of colours, in runs along the rows.
  const int n = int(p->Beads().size());
  for (int i = 0; i < n; i += 3) p->PaintBeadAt(nullptr, nullptr, i, BeadPainted, TColor((i / 50) % 7) * 0x203040, false);
  p->ClearUndo();
  return p;
}

// Relayout at a new zoom, against one plain write over the same records.
void BM_Relayout(benchmark::State& state) {
  auto p = Chart(BPbrick);
  std::vector<StoredBead> copy = p->Beads();
  double subject = 0, baseline = 0;
  float zoom = 1.0f;
  for (auto _ : state) {
    zoom = zoom == 1.0f ? 2.25f : 1.0f;
    p->SetZoom(zoom);
    p->SetIsZoom(true);
    auto t0 = Clock::now();
    p->MakeZoomList();
    auto t1 = Clock::now();
    for (StoredBead& b : copy) b.Left = std::uint16_t(b.Left + 1);
    benchmark::DoNotOptimize(copy.data());
    auto t2 = Clock::now();
    subject += Seconds(t0, t1);
    baseline += Seconds(t1, t2);
    state.SetIterationTime(Seconds(t0, t1));
  }
  state.counters["ms"] = subject * 1e3 / double(state.iterations());
  state.counters["x_plain_pass"] = subject / baseline;
}
BENCHMARK(BM_Relayout)->UseManualTime()->Unit(benchmark::kMillisecond);

// Whole-chart redraw (background fill, then every bead) against one plain fill;
// also bead by bead over a filled picture, as fills redraw.
void BM_Redraw(benchmark::State& state) {
  auto p = Chart(EPattern(state.range(0)));
  const QSize size = p->PictureSize();
  TPicture picture(size.width(), size.height());
  double subject = 0, baseline = 0, bead = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    picture.Fill(0x123456);
    benchmark::DoNotOptimize(picture.Image().constBits());
    auto t1 = Clock::now();
    p->RedrawAll(picture);
    benchmark::DoNotOptimize(picture.Image().constBits());
    auto t2 = Clock::now();
    picture.Fill(p->BackGround());
    p->DrawFromStruct(&picture.Canvas());
    benchmark::DoNotOptimize(picture.Image().constBits());
    auto t3 = Clock::now();
    baseline += Seconds(t0, t1);
    subject += Seconds(t1, t2);
    bead += Seconds(t2, t3);
    state.SetIterationTime(Seconds(t1, t2));
  }
  state.counters["x_plain_fill"] = subject / baseline;
  state.counters["fill_then_beads_x_plain_fill"] = bead / baseline;
}
BENCHMARK(BM_Redraw)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Arg(BPsquare)->Arg(BPbrick)->Arg(BPpeyote)->Arg(BP2DropPeyote);

// Lookups at random points of the picture, against drawing the random point alone.
void BM_FindBeadInfo(benchmark::State& state) {
  auto p = Chart(EPattern(state.range(0)));
  const QSize size = p->PictureSize();
  std::mt19937 random(42);
  std::vector<std::pair<int, int>> points(1 << 16);
  for (auto& pt : points) pt = {int(random() % unsigned(size.width())), int(random() % unsigned(size.height()))};
  TBeadHit hit;
  std::size_t k = 0;
  long found = 0;
  for (auto _ : state) {
    const auto& pt = points[k++ & (points.size() - 1)];
    found += p->FindBeadInfo(pt.first, pt.second, hit).has_value();
  }
  benchmark::DoNotOptimize(found);
  state.counters["found"] = benchmark::Counter(double(found) / double(state.iterations()));
}
BENCHMARK(BM_FindBeadInfo)->Arg(BPsquare)->Arg(BPbrick)->Arg(BPpeyote)->Arg(BP2DropPeyote)->Arg(BPcheyenne);

// FillAll of every bead and its undo, the redraw not counted.
void BM_FillAllAndUndo(benchmark::State& state) {
  auto p = Chart(BPsquare);
  double fill = 0, undo = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    p->FillAll(nullptr, 0x00FF00, false);
    auto t1 = Clock::now();
    p->Undo(nullptr);
    auto t2 = Clock::now();
    fill += Seconds(t0, t1);
    undo += Seconds(t1, t2);
    state.SetIterationTime(Seconds(t0, t2));
  }
  state.counters["fill_ms"] = fill * 1e3 / double(state.iterations());
  state.counters["undo_ms"] = undo * 1e3 / double(state.iterations());
}
BENCHMARK(BM_FillAllAndUndo)->UseManualTime()->Unit(benchmark::kMillisecond);

// Writing and reading the pattern file, against a plain write and read of as many bytes.
void BM_PatternFile(benchmark::State& state) {
  TStderrUserInterface stderrUi;
  TScopedUI quiet(stderrUi);
  auto p = Chart(BPpeyote);
  QTemporaryDir dir;
  const QString chart = dir.filePath("chart.bfp"), plain = dir.filePath("plain.bin");
  const QByteArray bytes(qsizetype(32 + 10 * p->Beads().size()), 'x');
  double write = 0, read = 0, plainWrite = 0, plainRead = 0, safeWrite = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    p->WritePatternFile(chart);
    auto t1 = Clock::now();
    TBeadPattern q(6, 9);
    q.ReadPatternFile(chart);
    auto t2 = Clock::now();
    {
      QFile f(plain);
      f.open(QIODevice::WriteOnly);
      f.write(bytes);
    }
    auto t3 = Clock::now();
    {
      QFile f(plain);
      f.open(QIODevice::ReadOnly);
      benchmark::DoNotOptimize(f.readAll().size());
    }
    auto t4 = Clock::now();
    {
      // The same bytes written as safely as a chart is: to a temporary, synced, renamed.
      QSaveFile f(plain);
      f.open(QIODevice::WriteOnly);
      f.write(bytes);
      f.commit();
    }
    auto t5 = Clock::now();
    safeWrite += Seconds(t4, t5);
    write += Seconds(t0, t1);
    read += Seconds(t1, t2);
    plainWrite += Seconds(t2, t3);
    plainRead += Seconds(t3, t4);
    state.SetIterationTime(Seconds(t0, t2));
  }
  state.counters["write_x_plain"] = write / plainWrite;
  state.counters["read_x_plain"] = read / plainRead;
  state.counters["write_x_safe_plain"] = write / safeWrite;
  state.counters["MB"] = double(bytes.size()) / 1e6;
}
BENCHMARK(BM_PatternFile)->UseManualTime()->Unit(benchmark::kMillisecond);

// Memory: bytes per bead in the store and per undo entry, with the vectors' own slack.
void BM_Memory(benchmark::State& state) {
  auto p = Chart(BPsquare);
  for (auto _ : state) benchmark::DoNotOptimize(p->Beads().data());
  p->FillAll(nullptr, 0x00FF00, false);
  const double beads = double(p->Beads().size());
  state.counters["bytes_per_bead"] = double(p->Beads().capacity() * sizeof(StoredBead)) / beads;
  state.counters["bytes_per_undo_entry"] =
      double(p->UndoList().capacity() * sizeof(UndoEntry)) / double(p->UndoList().size());
  state.counters["sizeof_StoredBead"] = double(sizeof(StoredBead));
  state.counters["sizeof_UndoEntry"] = double(sizeof(UndoEntry));
}
BENCHMARK(BM_Memory)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
