// Inserting and removing whole rows and columns.
//
// The store stays a full grid in row-major order. The undo history follows the
// beads: entries of beads that survive are renumbered to their new places and
// entries of removed beads are dropped, so a later undo never touches the wrong
// bead. The edits themselves are not undoable.
#include "model/Beads_Classes.h"
#include "platform/Guard.h"

#include <algorithm>

void TBeadPattern::StartRowColumnEdit() {
  FHintStale = true;
  FLayout.Valid = false;
}

namespace {
// Applies newIndex (old index -> new index, or -1 for a bead that is gone) to
// every undo entry, dropping the entries of gone beads.
template <class Map>
void RenumberUndo(std::vector<UndoEntry>& list, Map newIndex) {
  std::size_t kept = 0;
  for (const UndoEntry& e : list) {
    const int to = newIndex(e.Index);
    if (to < 0) continue;
    UndoEntry moved = e;
    moved.Index = to;
    list[kept++] = moved;
  }
  list.resize(kept);
}
}  // namespace

bool TBeadPattern::GrownChartFits(int width, int height) const {
  if (LayoutFits(FBeadPattern, width, height, FZoom, FBeadSlackTop, FBeadSlackSide,
                 FBeadPatternTop, FBeadPatternLeft))
    return true;
  ShowError(QString::fromLatin1(ChartTooLargeText));
  return false;
}

StoredBead TBeadPattern::NewBead(const StoredBead* neighbour, int row, int column) const {
  // Made from the neighbour above or to the left: its colour field and style,
  // as a base bead. The first row or column has none: the base colour and style.
  StoredBead b;
  if (neighbour) {
    b = *neighbour;
  } else {
    b.Color = FBaseBeadColor;
    b.Style = FBeadPattern;
  }
  b.State = BeadBase;
  b.Row = std::uint16_t(row);
  b.Column = std::uint16_t(column);
  return b;
}

void TBeadPattern::DeleteRow(int index) {
  try {
    StartRowColumnEdit();
    const StoredBead& clicked = BeadAt(index);
    const int W = FBeadPatternWidth, r = clicked.Row;
    const int start = W * r;
    FBeads.erase(FBeads.begin() + start, FBeads.begin() + start + W);
    for (std::size_t i = std::size_t(start); i < FBeads.size(); ++i) --FBeads[i].Row;
    RenumberUndo(FUndoList, [&](int i) { return i < start ? i : i < start + W ? -1 : i - W; });
    FBeadPatternHeight = std::uint16_t(FBeadPatternHeight - 1);
  } catch (const std::exception&) {
  }
}

void TBeadPattern::DeleteColumn(int index) {
  try {
    StartRowColumnEdit();
    const int W = FBeadPatternWidth, H = FBeadPatternHeight;
    const int c = BeadAt(index).Column;
    std::vector<StoredBead> beads;
    beads.reserve(std::size_t(H) * std::size_t(W - 1));
    for (const StoredBead& b : FBeads) {
      if (b.Column == c) continue;
      beads.push_back(b);
      if (b.Column > c) --beads.back().Column;
    }
    FBeads = std::move(beads);
    RenumberUndo(FUndoList, [&](int i) {
      const int row = i / W, col = i % W;
      if (col == c) return -1;
      return row * (W - 1) + (col > c ? col - 1 : col);
    });
    FBeadPatternWidth = std::uint16_t(W - 1);
  } catch (const std::exception&) {
  }
}

void TBeadPattern::AddRow(int index) {
  Guarded("Add Row Error ", [&] {
    StartRowColumnEdit();
    const int W = FBeadPatternWidth;
    const int r = BeadAt(index).Row;
    if (!GrownChartFits(W, FBeadPatternHeight + 1)) return;
    SetBeadSize(1);
    const int start = W * r;
    for (std::size_t i = std::size_t(start); i < FBeads.size(); ++i) ++FBeads[i].Row;
    std::vector<StoredBead> row(static_cast<std::size_t>(W));
    for (int k = 0; k < W; ++k)
      row[std::size_t(k)] = NewBead(r > 0 ? &FBeads[std::size_t(start - W + k)] : nullptr, r, k);
    FBeads.insert(FBeads.begin() + start, row.begin(), row.end());
    RenumberUndo(FUndoList, [&](int i) { return i < start ? i : i + W; });
    FBeadPatternHeight = std::uint16_t(FBeadPatternHeight + 1);
  });
}

void TBeadPattern::AddColumn(int index) {
  try {
    StartRowColumnEdit();
    const int W = FBeadPatternWidth, H = FBeadPatternHeight;
    const int c = BeadAt(index).Column;
    if (!GrownChartFits(W + 1, H)) return;
    SetBeadSize(1);
    std::vector<StoredBead> beads;
    beads.reserve(std::size_t(H) * std::size_t(W + 1));
    for (int k = 0; k < H; ++k) {
      for (int col = 0; col < W; ++col) {
        if (col == c) beads.push_back(NewBead(c > 0 ? &FBeads[std::size_t(k * W + c - 1)] : nullptr, k, c));
        beads.push_back(FBeads[std::size_t(k * W + col)]);
        if (col >= c) ++beads.back().Column;
      }
    }
    FBeads = std::move(beads);
    RenumberUndo(FUndoList, [&](int i) {
      const int row = i / W, col = i % W;
      return row * (W + 1) + (col >= c ? col + 1 : col);
    });
    FBeadPatternWidth = std::uint16_t(W + 1);
  } catch (const std::exception&) {
  }
}
