#include "conversion/ScanForm_Walk.h"

#include "platform/UserInterface.h"

#include <QImage>

#include <algorithm>
#include <chrono>
#include <exception>
#include <vector>

namespace {

struct TCell {
  int X0, Y0;  // top-left pixel of the sampled area
  int X1, Y1;  // one past its last pixel, clipped to the picture
  std::uint32_t Red, Green, Blue;
};

// How many of start, start + step, ... lie below limit.
int StepsBelow(int start, int limit, int step) {
  if (limit <= start) return 0;
  return (limit - start + step - 1) / step;
}

void DrawOutline(TPicture& picture, int x0, int y0, int s, int r) {
  // The rectangle (x0 - 1, y0 - 1) to (x0 + s, y0 + r), right and bottom exclusive.
  const int left = x0 - 1, top = y0 - 1, right = x0 + s, bottom = y0 + r;
  picture.FillRect(left, top, right, top + 1, CellOutlineColor);
  picture.FillRect(left, bottom - 1, right, bottom, CellOutlineColor);
  picture.FillRect(left, top, left + 1, bottom, CellOutlineColor);
  picture.FillRect(right - 1, top, right, bottom, CellOutlineColor);
}

// Sums the pixels of every cell of a band. The cells of one row never overlap
// and nothing the walk draws touches another cell's sampled pixels, so the
// whole band can be read in scan-line order before its cells are handled.
void SampleBand(const QImage& image, std::vector<TCell>& cells) {
  const uchar* bits = image.constBits();
  const qsizetype stride = image.bytesPerLine();
  int top = image.height(), bottom = 0;
  for (const TCell& c : cells) {
    top = std::min(top, c.Y0);
    bottom = std::max(bottom, c.Y1);
  }
  for (int k = top; k < bottom; ++k) {
    const QRgb* line = reinterpret_cast<const QRgb*>(bits + k * stride);
    for (TCell& c : cells) {
      if (k < c.Y0 || k >= c.Y1) continue;
      std::uint32_t red = 0, green = 0, blue = 0;
      for (int i = c.X0; i < c.X1; ++i) {
        const QRgb p = line[i];
        red += (p >> 16) & 0xFFu;
        green += (p >> 8) & 0xFFu;
        blue += p & 0xFFu;
      }
      c.Red += red;
      c.Green += green;
      c.Blue += blue;
    }
  }
}

}  // namespace

int CellWidth(int beadSize, EPattern style) {
  beadSize = std::clamp(beadSize, 1, 22);
  return (style == BPbrick ? 162 : 108) / beadSize;
}

int CellHeight(int beadSize, EPattern style) {
  beadSize = std::clamp(beadSize, 1, 22);
  return (style == BPbrick ? 108 : 162) / beadSize;
}

TWalkResult WalkCells(TPicture& work, const TWalkSettings& settings, ConvertedBeads& beads,
                      TProgressSink* progress) {
  TWalkResult result;
  const EPattern style = settings.ConvertStyle;
  const int s = CellWidth(settings.BeadSize, style);
  const int r = CellHeight(settings.BeadSize, style);
  const int W = work.Width(), H = work.Height();
  const bool converting = settings.Converting;
  const bool drawing = converting || settings.OutlineBeads;

  auto cancelled = [&] { return settings.CancelRequested && settings.CancelRequested(); };

  if (drawing && !work.IsEmpty()) {
    if (work.Image().format() != QImage::Format_RGB32) work.Assign(work.Image());
    // Takes the picture's own copy of pixels it may share with another picture,
    // before pointers into them are kept.
    (void)work.Pixels();
  }

  // Expected cell count for the bar, in single precision as the bar always had.
  const float expected = float(W / s) * float(H / r);
  float done = 0.0f;
  int lastPercent = -1;

  using Clock = std::chrono::steady_clock;
  const auto interval = std::chrono::milliseconds(std::max(settings.PumpIntervalMs, 0));
  auto lastPump = Clock::now();
  int cellsSinceClock = 0;

  int lastRow = -1, lastColumn = -1;
  const int columnsPerRow = StepsBelow(1, W - s - 1, s);
  std::vector<TCell> cells;

  try {
    if (converting) beads.reserve(beads.size() + size_t(columnsPerRow) * size_t(StepsBelow(1, H - r - 1, r)));
    cells.reserve(size_t(columnsPerRow));

    int rowCounter = 0, rowIndex = 0;
    for (int y = 1; y < H - r - 1 && !result.Cancelled; y += r, ++rowIndex) {
      if (cancelled()) {
        result.Cancelled = true;
        break;
      }
      ++rowCounter;

      // Place the row's cells.
      cells.clear();
      int phase = 0;
      for (int x = 1; x < W - s - 1; x += s) {
        int x0 = x, y0 = y;
        switch (style) {
          case BPbrick:
            if (rowCounter % 2 == 0) x0 = x + s / 2;
            break;
          case BPpeyote:
            if (phase == 0) y0 = y + r / 2;
            phase = (phase + 1) % 2;
            break;
          case BP2DropPeyote:
            if (phase < 2) y0 = y + r / 2;
            phase = (phase + 1) % 4;
            break;
          default:
            break;
        }
        // s - 1 by r - 1 pixels are sampled; a cell reaching past the picture
        // samples only the pixels inside it.
        cells.push_back({x0, y0, std::min(x0 + s - 1, W), std::min(y0 + r - 1, H), 0, 0, 0});
      }
      if (converting) SampleBand(work.Image(), cells);

      for (int column = 0; column < int(cells.size()); ++column) {
        lastRow = rowIndex;
        lastColumn = column;
        if (cancelled()) {
          result.Cancelled = true;
          break;
        }
        const TCell& c = cells[size_t(column)];
        if (settings.OutlineBeads) DrawOutline(work, c.X0, c.Y0, s, r);
        if (!converting) continue;

        const std::uint32_t count = std::uint32_t(c.X1 - c.X0) * std::uint32_t(c.Y1 - c.Y0);
        std::uint32_t red = 255, green = 255, blue = 255;
        if (count > 0) {
          red = c.Red / count;
          green = c.Green / count;
          blue = c.Blue / count;
        }
        // Read at every cell: a level chosen while the walk pumps applies from the next cell on.
        const std::uint32_t mask = settings.ReduceMask;
        const TColor color = ((mask & blue) << 16) | ((mask & green) << 8) | (mask & red);
        work.FillRect(c.X0, c.Y0, c.X0 + s - 1, c.Y0 + r - 1, color);
        beads.push_back({color, BeadPainted, style, std::uint16_t(rowIndex), std::uint16_t(column)});

        if (settings.Pump) {
          if (interval.count() == 0) {
            settings.Pump();
          } else if (++cellsSinceClock >= 16) {
            // The clock is read every few cells only; pumping after every cell
            // would cost more than the walk itself.
            cellsSinceClock = 0;
            const auto now = Clock::now();
            if (now - lastPump >= interval) {
              settings.Pump();
              lastPump = Clock::now();
            }
          }
        }
        if (progress && expected > 0.0f) {
          const int percent = int(done / expected * 100.0f);
          if (percent != lastPercent) {
            progress->Progress(std::clamp(percent, 0, 100));
            lastPercent = percent;
          }
        }
        done += 1.0f;
      }
    }
  } catch (const std::exception&) {
    ShowError(QStringLiteral("Conversion Failure "));
    result.Failed = true;
    return result;
  }

  if (lastRow >= 0) {
    result.Rows = lastRow + 1;
    result.Columns = lastColumn + 1;
  }
  return result;
}
