#pragma once
// Small helpers for model tests: charts made as a chart window makes them, and
// the placement rule written out independently of the model.
#include "model/Beads_Classes.h"

#include <QRect>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

// A new chart of base beads, relaid out at the zoom and gaps given.
inline std::unique_ptr<TBeadPattern> MakeChart(EPattern style, int width, int height,
                                               float zoom = 1.0f, int rowGap = 1,
                                               int columnGap = 1) {
  auto p = std::make_unique<TBeadPattern>(6, 9);
  p->SetBeadPatternWidth(std::uint16_t(width));
  p->SetBeadPatternHeight(std::uint16_t(height));
  p->SetBeadSlackTop(std::uint16_t(rowGap));
  p->SetBeadSlackSide(std::uint16_t(columnGap));
  p->NewPattern(style);
  p->SetIsZoom(true);
  p->SetZoom(zoom);
  p->MakeZoomList();
  return p;
}

// Where (row, column) must lie: the stitch rules, computed from scratch.
// Right and bottom are one past the last pixel.
inline QRect ExpectedRect(EPattern style, int row, int column, float zoom, int rowGap,
                          int columnGap, int origin = 5) {
  int w = int(std::trunc(6.0 * zoom)), h = int(std::trunc(9.0 * zoom));
  if (style == BPbrick || style == BPcheyenne) std::swap(w, h);
  int x = origin + column * (w + columnGap);
  int y = origin + row * (h + rowGap);
  if ((style == BPbrick || style == BPcheyenne) && row % 2 == 0) x += w / 2;
  if (style == BPpeyote && column % 2 == 0) y += h / 2;
  if (style == BP2DropPeyote && (column % 4 == 0 || column % 4 == 1)) y += h / 2;
  return QRect(QPoint(x, y), QPoint(x + w, y + h));  // QRect's right/bottom hold our exclusive edges
}

inline QString TestFile(const QTemporaryDir& dir, const char* name) {
  return dir.filePath(QString::fromLatin1(name));
}
