#include "chartwindow/ChildWin_Clipboard.h"

#include <algorithm>
#include <cstdint>

std::optional<BeadRecord> SelectionEntry(const TBeadPattern& pattern, int index) {
  BeadRecord record;
  const std::optional<TColor> shown = pattern.GetBeadInfo(index, record);
  if (!shown) return std::nullopt;
  record.Color = *shown;
  return record;
}

namespace {

// A clicked bead's record carries the shown colour but no state: the state
// comes from the chart.
void AppendClicked(const TBeadPattern& pattern, TBeadList& selection, const BeadRecord& hit) {
  BeadRecord entry = hit;
  BeadRecord stored;
  if (pattern.GetBeadInfo(hit.Index, stored)) entry.State = stored.State;
  selection.push_back(entry);
}

}  // namespace

bool SelectBead(const TBeadPattern& pattern, TBeadList& selection, bool shift, bool ctrl,
                const BeadRecord& hit) {
  // A plain click only clears the selection; the clicked bead is not selected.
  if (!shift && !ctrl) {
    selection.clear();
    return false;
  }
  if (selection.empty()) {
    AppendClicked(pattern, selection, hit);
    return true;
  }
  if (shift) {
    // The first entry anchors the rectangle, which replaces the whole list.
    const BeadRecord anchor = selection.front();
    const int top = std::min(anchor.Row, hit.Row), bottom = std::max(anchor.Row, hit.Row);
    const int left = std::min(anchor.Column, hit.Column),
              right = std::max(anchor.Column, hit.Column);
    const int width = pattern.BeadPatternWidth();
    selection.clear();
    selection.reserve(std::size_t(bottom - top + 1) * std::size_t(right - left + 1));
    for (int r = top; r <= bottom; ++r)
      for (int c = left; c <= right; ++c)
        if (std::optional<BeadRecord> entry = SelectionEntry(pattern, r * width + c))
          selection.push_back(*entry);
    return true;
  }
  // Ctrl alone toggles the clicked bead.
  for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
    if (it->Index == hit.Index) {
      selection.erase(std::next(it).base());
      return true;
    }
  }
  AppendClicked(pattern, selection, hit);
  return true;
}

bool CopyToClipboard(const TBeadList& selection, TBeadList& clipboard) {
  if (selection.empty()) return false;
  int topRow = selection.front().Row, leftColumn = selection.front().Column;
  for (const BeadRecord& e : selection) {
    topRow = std::min(topRow, e.Row);
    leftColumn = std::min(leftColumn, e.Column);
  }
  clipboard.clear();
  clipboard.reserve(selection.size());
  for (BeadRecord e : selection) {
    e.Row -= topRow;
    e.Column -= leftColumn;
    clipboard.push_back(e);
  }
  return true;
}

bool CutBeads(TBeadPattern& pattern, TCanvas* canvas, const TBeadList& clipboard) {
  if (clipboard.empty()) return false;
  return pattern.PaintBeadList(canvas, clipboard, BeadBase, true);
}

int PasteBeads(TBeadPattern& pattern, TCanvas* canvas, const TBeadList& clipboard, int lastIndex,
               int lastColumn) {
  const std::int64_t width = pattern.BeadPatternWidth();
  const std::int64_t count = width * pattern.BeadPatternHeight();
  bool first = true;
  int painted = 0;
  for (const BeadRecord& e : clipboard) {
    const std::int64_t column = std::int64_t(lastColumn) + e.Column;
    if (column < 0 || column >= width) continue;
    const std::int64_t index = std::int64_t(lastIndex) + e.Column + std::int64_t(e.Row) * width;
    if (index < 0 || index >= count) continue;
    // The first bead that lands opens the paste's undo step; the rest join it.
    if (pattern.PaintBeadAt(canvas, nullptr, int(index), e.State, e.Color, first)) ++painted;
    first = false;
  }
  return painted;
}

QRect SelectionMarkRect(const TBeadPattern& pattern, int left, int top, int right, int bottom) {
  // A third of the bead each way, in whole pixels.
  const int w3 = pattern.BeadWidth() / 3;
  const int h3 = pattern.BeadHeight() / 3;
  // The marked area runs to right - w3 and bottom - h3, both exclusive.
  return QRect(QPoint(left + w3, top + h3), QPoint(right - w3 - 1, bottom - h3 - 1));
}
