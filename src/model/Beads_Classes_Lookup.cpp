// Which bead lies under a pixel.
//
// The bead is computed from the layout the rectangles were made with, so a
// lookup costs the same on any chart; the stored rectangle confirms the answer.
// Only when the rectangles are not those of a known layout (a chart just read or
// edited and not yet relaid out) does the lookup scan, starting at the bead found
// last and then on the other side of it.
#include "model/Beads_Classes.h"
#include "platform/Guard.h"

#include <algorithm>

namespace {
bool Contains(const StoredBead& b, int x, int y) {
  return b.Left <= x && x <= b.Right && b.Top <= y && y <= b.Bottom;
}

// The positions along one axis whose span [start, start + size] holds p: at
// most two, when neighbouring spans touch.
// reciprocal: 2^32 / pitch rounded up, which divides any 16-bit distance exactly.
int AxisCandidates(int p, int origin, int pitch, std::uint64_t reciprocal, int size, int count,
                   int out[2]) {
  const int d = p - origin;
  if (d < 0 || pitch <= 0) return 0;
  int k = int((std::uint64_t(unsigned(d)) * reciprocal) >> 32);
  if (k * pitch > d) --k;
  int n = 0;
  if (k < count && d - k * pitch <= size) out[n++] = k;
  if (k >= 1 && k - 1 < count && d - (k - 1) * pitch <= size) out[n++] = k - 1;
  return n;
}
}  // namespace

int TBeadPattern::LocateByLayout(int x, int y, bool& stale) const {
  const TLayout& L = FLayout;
  int rows[2], columns[2];
  int best = -1;
  auto consider = [&](int r, int c) {
    const int index = r * L.Width + c;
    const StoredBead& b = FBeads[std::size_t(index)];
    if (b.Row != r || b.Column != c) { stale = true; return; }
    if (Contains(b, x, y) && (best < 0 || index < best)) best = index;
  };
  const int halfW = L.BeadWidth / 2, halfH = L.BeadHeight / 2;
  if (IsBrickLayout(L.Style)) {
    const int nr = AxisCandidates(y, L.Top, L.RowPitch, L.RowReciprocal, L.BeadHeight, L.Height, rows);
    for (int i = 0; i < nr; ++i) {
      const int shift = rows[i] % 2 == 0 ? halfW : 0;
      const int nc = AxisCandidates(x, L.Left + shift, L.ColumnPitch, L.ColumnReciprocal, L.BeadWidth, L.Width, columns);
      for (int j = 0; j < nc; ++j) consider(rows[i], columns[j]);
    }
  } else if (L.Style == BPpeyote || L.Style == BP2DropPeyote) {
    const int nc = AxisCandidates(x, L.Left, L.ColumnPitch, L.ColumnReciprocal, L.BeadWidth, L.Width, columns);
    for (int j = 0; j < nc; ++j) {
      const int c = columns[j];
      const bool shifted = L.Style == BPpeyote ? c % 2 == 0 : c % 4 < 2;
      const int nr = AxisCandidates(y, L.Top + (shifted ? halfH : 0), L.RowPitch, L.RowReciprocal, L.BeadHeight,
                                    L.Height, rows);
      for (int i = 0; i < nr; ++i) consider(rows[i], c);
    }
  } else {
    const int nr = AxisCandidates(y, L.Top, L.RowPitch, L.RowReciprocal, L.BeadHeight, L.Height, rows);
    const int nc = AxisCandidates(x, L.Left, L.ColumnPitch, L.ColumnReciprocal, L.BeadWidth, L.Width, columns);
    for (int i = 0; i < nr; ++i)
      for (int j = 0; j < nc; ++j) consider(rows[i], columns[j]);
  }
  return best;
}

int TBeadPattern::LocateByScan(int x, int y) const {
  const int count = int(FBeads.size());
  const int hint = std::clamp(FHint.Index, 0, count - 1);
  bool backward;
  if (y < FHint.Top) backward = true;
  else if (y > FHint.Bottom) backward = false;
  else backward = x < FHint.Left;
  // The chosen direction first, then the other side of the hint.
  if (backward) {
    for (int i = hint; i >= 0; --i) if (Contains(FBeads[std::size_t(i)], x, y)) return i;
    for (int i = hint + 1; i < count; ++i) if (Contains(FBeads[std::size_t(i)], x, y)) return i;
  } else {
    for (int i = hint; i < count; ++i) if (Contains(FBeads[std::size_t(i)], x, y)) return i;
    for (int i = hint - 1; i >= 0; --i) if (Contains(FBeads[std::size_t(i)], x, y)) return i;
  }
  return -1;
}

std::optional<TColor> TBeadPattern::FindBeadInfo(int x, int y, TBeadHit& out) {
  try {
    if (FHintStale) {
      FHint = {};
      FHintStale = false;
    }
    if (FBeads.empty()) return std::nullopt;
    int index = -1;
    bool stale = !FLayout.Valid ||
                 std::size_t(FLayout.Width) * std::size_t(FLayout.Height) != FBeads.size();
    if (!stale) index = LocateByLayout(x, y, stale);
    if (stale) index = LocateByScan(x, y);
    if (index < 0) return std::nullopt;
    const StoredBead& b = FBeads[std::size_t(index)];
    if (b.State == BeadRemoved) return std::nullopt;
    out = {b.Row, b.Column, b.Left, b.Top, b.Right, b.Bottom, index};
    FHint = {index, b.Top, b.Left, b.Bottom, b.Right};
    return ShownColor(b);
  } catch (const std::exception&) {
    ShowError(QStringLiteral("Find Bead Info Failure "));
    return std::nullopt;
  }
}

std::optional<TColor> TBeadPattern::GetBeadInfo(int index, BeadRecord& out) const {
  if (index < 0 || std::size_t(index) >= FBeads.size()) return std::nullopt;
  const StoredBead& b = FBeads[std::size_t(index)];
  out = {b.Color, b.State, index, b.Row, b.Column, b.Left, b.Top, b.Right, b.Bottom};
  return ShownColor(b);
}
