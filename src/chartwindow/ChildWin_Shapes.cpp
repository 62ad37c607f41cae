#include "chartwindow/ChildWin_Shapes.h"

#include "platform/Guard.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

// ---------------------------------------------------------------- TIndexList

void TIndexList::Clear() {
  FText.clear();
  FSeen.clear();
  FIndices.clear();
  FOutlines.clear();
}

void TIndexList::Blank() {
  Clear();
  FText = QStringLiteral(" ");
}

bool TIndexList::Add(int index, const QRect& outline) {
  // Looked up by number, not by text: 12 is new even after 112 is listed.
  if (!FSeen.insert(index).second) return false;
  FText += QString::number(index);
  FText += QLatin1Char(':');
  FIndices.push_back(index);
  FOutlines.push_back(outline);
  return true;
}

QRect TIndexList::Bounds() const {
  QRect r;
  for (const QRect& o : FOutlines) r |= o;
  return r;
}

// ---------------------------------------------------------------- geometry

QPoint BeadCentre(int left, int top, int right, int bottom) {
  return QPoint((left + right) / 2, (top + bottom) / 2);
}

bool TShapeTracer::PassesDeviation(const TBeadHit& bead, int x, int y) const {
  // Single precision, as the deviation is kept: 0.35 of 20 pixels is 7.
  const int width = std::abs(bead.Left - bead.Right);
  const int height = std::abs(bead.Top - bead.Bottom);
  const int tw = static_cast<int>(static_cast<float>(width) * LineDeviation);
  const int th = static_cast<int>(static_cast<float>(height) * LineDeviation);
  return bead.Left + tw < x && x < bead.Right - tw && bead.Top + th < y && y < bead.Bottom - th;
}

// ---------------------------------------------------------------- lines

void TShapeTracer::DrawLine(int x1, int y1, int x2, int y2) {
  Guarded("Draw Line Failure", [&] {
    // The trace always runs downward.
    if (y1 > y2) {
      std::swap(x1, x2);
      std::swap(y1, y2);
    }
    int dx = x2 - x1;
    const int dy = y2 - y1;
    int step = 1;
    if (dx <= 0) {
      dx = -dx;
      step = -1;
    }
    TraceLine(dy < dx, x1, y1, dx, dy, step);
  });
}

void TShapeTracer::TraceLine(bool xMajor, int x, int y, int dx, int dy, int step) {
  Guarded(xMajor ? "Drawing error occured" : "Undo Failure ", [&] {
    int lastAccepted = -1;
    if (xMajor) {
      int e = 2 * dy - dx;
      for (int i = 0; i < dx; ++i) {
        if (e < 0) {
          e += 2 * dy;
        } else {
          e += 2 * dy - 2 * dx;
          ++y;
        }
        x += step;
        ExamineLinePoint(x, y, lastAccepted);
      }
    } else {
      int e = 2 * dx - dy;
      for (int i = 0; i < dy; ++i) {
        if (e < 0) {
          e += 2 * dx;
        } else {
          e += 2 * dx - 2 * dy;
          x += step;
        }
        ++y;
        ExamineLinePoint(x, y, lastAccepted);
      }
    }
  });
}

void TShapeTracer::ExamineLinePoint(int x, int y, int& lastAccepted) {
  TBeadHit hit;
  if (!Pattern.FindBeadInfo(x, y, hit)) return;
  if (hit.Index == lastAccepted) return;
  if (!PassesDeviation(hit, x, y)) return;
  OutlineText.Add(hit.Index, OutlineRect(hit));
  lastAccepted = hit.Index;
}

// ---------------------------------------------------------------- rectangles

bool TShapeTracer::DrawRectangle(int x1, int y1, int x2, int y2, bool interior) {
  bool result = true;
  Guarded("Draw Rectangle Failure", [&] {
    DrawLine(x1, y1, x2, y1);
    DrawLine(x2, y1, x2, y2);
    DrawLine(x2, y2, x1, y2);
    DrawLine(x1, y2, x1, y1);
    if (!interior || !FillPolygons) return;
    if (std::abs(y2 - y1) < 2 * Pattern.BeadHeight() ||
        std::abs(x2 - x1) < 2 * Pattern.BeadWidth()) {
      result = false;
      return;
    }
    FillText.Blank();
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    TBeadHit first, last;
    if (!Pattern.FindBeadInfo(x1, y1, first) || !Pattern.FindBeadInfo(x2, y2, last)) return;
    const int width = Pattern.BeadPatternWidth();
    // Chosen by row and column, whatever the style's stagger.
    for (int r = first.Row + 1; r < last.Row; ++r)
      for (int c = first.Column + 1; c < last.Column; ++c)
        FillText.Add(first.Index + (r - first.Row) * width + (c - first.Column));
  });
  return result;
}

// ---------------------------------------------------------------- ellipses

void TShapeTracer::AddFound(int x, int y) {
  TBeadHit hit;
  if (Pattern.FindBeadInfo(x, y, hit)) OutlineText.Add(hit.Index, OutlineRect(hit));
}

void TShapeTracer::ExamineEllipsePoint(int px, int py, int cx, int cy, int x, int y,
                                       int& lastAccepted, const TBeadHit* found) {
  TBeadHit hit;
  if (found) {
    hit = *found;
  } else if (!Pattern.FindBeadInfo(px, py, hit)) {
    return;
  }
  if (hit.Index == lastAccepted) return;
  if (!PassesDeviation(hit, px, py)) return;
  OutlineText.Add(hit.Index, OutlineRect(hit));
  lastAccepted = hit.Index;
  // The other three quarters mirror the accepted point without a test of their own.
  AddFound(cx - x, cy - y);
  AddFound(cx + x, cy + y);
  AddFound(cx - x, cy + y);
}

void TShapeTracer::DrawEllipse(int cx, int cy, int rx, int ry) {
  OutlineText.Clear();
  int lastAccepted = -1;
  // 64-bit terms: the squares of radii of a large chart overflow 32 bits.
  const std::int64_t a = std::int64_t(rx) * rx;
  const std::int64_t b = std::int64_t(ry) * ry;

  AddFound(cx, cy + ry);
  AddFound(cx, cy - ry);

  // Region 1: from the top point toward the right.
  {
    std::int64_t x = 0, y = ry, px = 0, py = 2 * a * ry, p = a / 4 - a * ry;
    for (;;) {
      p += px + b;
      if (p >= 0) {
        py -= 2 * a;
        p -= py;
        --y;
      }
      px += 2 * b;
      ++x;
      if (px >= py) break;
      const int ix = int(x), iy = int(y);
      TBeadHit hit;
      if (Pattern.FindBeadInfo(cx + ix, cy - iy, hit))
        ExamineEllipsePoint(cx + ix, cy - iy, cx, cy, ix, iy, lastAccepted, &hit);
      else
        ExamineEllipsePoint(cx - ix, cy + iy, cx, cy, ix, iy, lastAccepted, nullptr);
    }
  }

  AddFound(cx + rx, cy);
  AddFound(cx - rx, cy);

  // Region 2: from the right point upward.
  {
    std::int64_t x = rx, y = 0, px = 2 * std::int64_t(rx) * b, py = 0, p = b / 4 - rx * b;
    for (;;) {
      p += py + a;
      if (p >= 0) {
        px -= 2 * b;
        p -= px;
        --x;
      }
      py += 2 * a;
      if (py >= px) break;
      ++y;
      ExamineEllipsePoint(cx + int(x), cy - int(y), cx, cy, int(x), int(y), lastAccepted,
                          nullptr);
    }
  }
}
