// Changing beads: fills, single beads, bead lists, and taking changes back.
// Every change records what the bead was first, so undo can restore it.
#include "model/Beads_Classes.h"
#include "platform/Guard.h"

#include <stdexcept>

void TBeadPattern::Record(int index, const StoredBead& bead) {
  FUndoList.push_back({bead.Color, index, FUndoGroupId, bead.State});
}

bool TBeadPattern::FillAll(TCanvas* canvas, TColor color, bool baseBeadsOnly) {
  return Guarded("Fill All Failure ", [&] {
    OpenGroup();
    FUseLastBitmap = false;
    const int count = int(FBeads.size());
    std::size_t taken = 0;
    for (const StoredBead& bead : FBeads)
      taken += baseBeadsOnly ? bead.State == BeadBase : bead.State != BeadRemoved;
    FUndoList.reserve(FUndoList.size() + taken);
    for (int i = 0; i < count; ++i) {
      StoredBead& bead = FBeads[std::size_t(i)];
      const bool take = baseBeadsOnly ? bead.State == BeadBase : bead.State != BeadRemoved;
      if (!take) continue;
      Record(i, bead);
      bead.State = BeadPainted;
      bead.Color = color;
    }
    DrawFromStruct(canvas);
  });
}

bool TBeadPattern::ReplaceColor(TCanvas* canvas, TColor newColor, TColor oldColor) {
  return Guarded("Fill All Failure ", [&] {
    OpenGroup();
    const int count = int(FBeads.size());
    for (int i = 0; i < count; ++i) {
      StoredBead& bead = FBeads[std::size_t(i)];
      if (bead.State != BeadPainted || bead.Color != oldColor) continue;
      Record(i, bead);
      bead.Color = newColor;
    }
    DrawFromStruct(canvas);
  });
}

bool TBeadPattern::PaintBeadAt(TCanvas* canvas, TCanvas* second, int index, BeadState state,
                               TColor color, bool newGroup) {
  bool changed = false;
  Guarded("paint Bead Failure ", [&] {
    if (newGroup) OpenGroup();
    StoredBead& bead = BeadAt(index);
    if (bead.State == BeadRemoved || !IsValidState(state)) return;
    Record(index, bead);
    bead.State = state;
    if (state == BeadPainted) bead.Color = color;
    DrawBead(canvas, bead);
    if (second) DrawBead(second, bead);
    changed = true;
  });
  return changed;
}

namespace {
// Bead indices of an index text: numbers each followed by ":"; blanks around
// a number are allowed, a text of blanks names nothing.
std::vector<int> ParseIndexText(const QString& text) {
  std::vector<int> out;
  const QStringList parts = text.split(QLatin1Char(':'));
  for (const QString& part : parts) {
    const QString t = part.trimmed();
    if (t.isEmpty()) continue;
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok) throw std::invalid_argument("not a bead index");
    out.push_back(v);
  }
  return out;
}
}  // namespace

bool TBeadPattern::LinePaint(TCanvas* canvas, const QString& indexText, TColor color,
                             bool newGroup) {
  return Guarded("Line Paint Failure ", [&] {
    if (newGroup) OpenGroup();
    for (int index : ParseIndexText(indexText)) {
      StoredBead& bead = BeadAt(index);
      if (bead.State == BeadRemoved) continue;
      Record(index, bead);
      bead.State = BeadPainted;
      bead.Color = color;
      PaintBead(canvas, bead.Left, bead.Top, color);
    }
  });
}

bool TBeadPattern::PaintBeadList(TCanvas* canvas, const std::vector<BeadRecord>& list,
                                 BeadState state, bool newGroup) {
  return Guarded("Line Paint Failure ", [&] {
    if (!IsValidState(state)) throw std::invalid_argument("unknown bead state");
    if (newGroup) OpenGroup();
    for (const BeadRecord& record : list) {
      StoredBead& bead = BeadAt(record.Index);
      if (bead.State == BeadRemoved) continue;
      Record(record.Index, bead);
      bead.State = state;
      bead.Color = record.Color;
      DrawBead(canvas, bead);
    }
  });
}

bool TBeadPattern::Undo(TCanvas* canvas) {
  bool undone = false;
  Guarded("Undo Failure", [&] {
    if (FUndoList.empty()) return;
    const std::int32_t group = FUndoList.back().Group;
    while (!FUndoList.empty() && FUndoList.back().Group == group) {
      const UndoEntry entry = FUndoList.back();
      StoredBead& bead = BeadAt(entry.Index);
      bead.Color = entry.OldColor;
      bead.State = entry.OldState;
      FUndoList.pop_back();
      DrawBead(canvas, bead);
    }
    undone = true;
  });
  return undone;
}
