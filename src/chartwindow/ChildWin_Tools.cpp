#include "chartwindow/ChildWin_Tools.h"

#include "chartwindow/ChildWin_Canvas.h"
#include "platform/Guard.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Shows the hourglass for the lifetime of the scope, even when a step fails.
class TBusy {
public:
  explicit TBusy(TChartToolHost& host) : Host(host) { Host.SetBusy(true); }
  ~TBusy() { Host.SetBusy(false); }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;
private:
  TChartToolHost& Host;
};

}  // namespace

TChartTools::TChartTools(TChartToolHost& host) : Host(host) {}

// ---------------------------------------------------------------- lookups

bool TChartTools::LookUp(int x, int y) {
  TBeadHit hit;
  const std::optional<TColor> shown = Host.Pattern().FindBeadInfo(x, y, hit);
  if (!shown) return false;  // the last bead found stays as it was
  Last = hit;
  HitRecord.Color = *shown;
  HitRecord.Index = hit.Index;
  HitRecord.Row = hit.Row;
  HitRecord.Column = hit.Column;
  HitRecord.Left = hit.Left;
  HitRecord.Top = hit.Top;
  HitRecord.Right = hit.Right;
  HitRecord.Bottom = hit.Bottom;
  return true;
}

// The picture keeps the change and the window repaints just that bead.
void TChartTools::PaintBoth(int index, BeadState state, TColor color) {
  TDirtyCanvas canvas(Host.Bitmap());
  Host.Pattern().PaintBeadAt(&canvas, nullptr, index, state, color, true);
  Host.UpdateArea(canvas.Take());
}

// ---------------------------------------------------------------- mouse down

void TChartTools::MouseDown(TMouseButton button, TKeyState keys, int x, int y) {
  Guarded("Mouse Down Failure ", [&] {
    if (button == TMouseButton::Right) Host.ShowPopup(x, y);
    const bool found = LookUp(x, y);
    if (button != TMouseButton::Left || !found) return;
    ButtonDown = true;
    const TToolSettings s = Host.Settings();
    switch (s.ToolCode) {
      case PaintTool:
        ClearSelection();
        // A click within two pixels of the previous paint click does nothing.
        if (std::abs(x - AnchorPos.x()) <= 2 && std::abs(y - AnchorPos.y()) <= 2) return;
        AnchorPos = QPoint(x, y);
        PaintBoth(Last.Index, BeadPainted, s.PaintColor);
        Host.SetModified();
        break;
      case FillTool:
        ClearSelection();
        Fill(s);
        break;
      case ZoomInTool:
        ZoomStep(0.25f, keys);
        break;
      case ZoomOutTool:
        ZoomStep(-0.25f, keys);
        break;
      case EraseTool:
        ClearSelection();
        PaintBoth(Last.Index, BeadBase, 0);
        Host.SetModified();
        break;
      case LineTool:
      case RectangleTool:
      case CircleTool:
        ClearSelection();
        AnchorPos = QPoint(x, y);
        AnchorRect = Last;
        break;
      case DeleteBeadTool:
        ClearSelection();
        PaintBoth(Last.Index, BeadRemoved, Host.Pattern().BackGround());
        Host.SetModified();
        break;
      case EyedropperTool:
        ClearSelection();
        Host.TakePaintColor(HitRecord.Color);
        break;
      case DeleteRowTool:
      case DeleteColumnTool:
      case AddRowTool:
      case AddColumnTool:
        RowColumnTool(s.ToolCode);
        break;
      case SelectTool:
        SelectClick(keys);
        break;
      default:
        break;
    }
  });
}

void TChartTools::Fill(const TToolSettings& s) {
  TBusy busy(Host);
  TBeadPattern& pattern = Host.Pattern();
  pattern.SetProgressHandle(nullptr);
  // Every bead the mode admits, wherever it is: the clicked bead only starts it.
  if (s.FillMode == 2)
    pattern.ReplaceColor(&Host.Bitmap().Canvas(), s.FillColor, s.PaintColor);
  else
    pattern.FillAll(&Host.Bitmap().Canvas(), s.FillColor, s.FillMode == 1);
  Host.SetModified();
  Host.RepaintChart();
}

void TChartTools::ZoomStep(float step, TKeyState keys) {
  ClearSelection();
  {
    TBusy busy(Host);
    TBeadPattern& pattern = Host.Pattern();
    pattern.SetIsZoom(true);
    const float zoom = pattern.Zoom() + step;
    if (zoom > 2.25f) {
      pattern.SetZoom(2.25f);
      return;
    }
    if (zoom < 0.5f) {
      pattern.SetZoom(0.5f);
      return;
    }
    const float old = pattern.Zoom();
    pattern.SetZoom(zoom);
    // A layout that cannot be made leaves the chart at its old zoom.
    if (!Host.RebuildForZoom()) {
      pattern.SetZoom(old);
      return;
    }
  }
  // The old highlight and read-out belong to the old layout.
  ForgetHighlight();
  MouseMove(keys, 6, 6);
  MouseMove(keys, 0, 0);
}

void TChartTools::RowColumnTool(int tool) {
  // These tools act once.
  Host.SelectTool(SelectTool);
  Host.LetPendingRun();
  ClearSelection();
  TBeadPattern& pattern = Host.Pattern();
  pattern.SetIsZoom(true);
  switch (tool) {
    case DeleteRowTool: pattern.DeleteRow(Last.Index); break;
    case DeleteColumnTool: pattern.DeleteColumn(Last.Index); break;
    case AddRowTool: pattern.AddRow(Last.Index); break;
    case AddColumnTool: pattern.AddColumn(Last.Index); break;
    default: break;
  }
  ForgetHighlight();
  Host.RebuildForRowsColumns();
  Host.SetModified();
}

void TChartTools::SelectClick(TKeyState keys) {
  const QRect before = SelectionBounds();
  SelectBead(Host.Pattern(), Host.Selection(), keys.Shift, keys.Ctrl, HitRecord);
  Host.UpdateArea(before | SelectionBounds());
}

// ---------------------------------------------------------------- mouse move

void TChartTools::MoveHighlight(bool found) {
  const QRect old = HighlightRect;
  HighlightRect = found ? OutlineRect(Last) : QRect();
  Host.UpdateArea(old | HighlightRect);
  Host.LetPendingRun();
}

void TChartTools::ForgetHighlight() {
  const QRect old = HighlightRect;
  HighlightRect = QRect();
  if (!old.isNull()) Host.UpdateArea(old);
}

void TChartTools::MouseMove(TKeyState keys, int x, int y) {
  Guarded("Mouse Move Failure ", [&] {
    if (!Host.WindowActive()) return;
    const TToolSettings s = Host.Settings();
    // No lookup while the pointer stays within two pixels of the last one.
    if (std::abs(x - LastLookupPos.x()) > 2 || std::abs(y - LastLookupPos.y()) > 2) {
      const bool found = LookUp(x, y);
      if (s.BeadHighlight && (!found || Last.Index != LastMoveIndex)) MoveHighlight(found);
      if (!found) {
        Host.ShowRowColumn(QString(), QString());
        // Coming back to where the last bead was found must look up again,
        // or the read-out would stay blank over a bead.
        LastLookupPos = QPoint(-100, -100);
        return;
      }
      Host.ShowRowColumn(QString::number(Last.Row + 1), QString::number(Last.Column + 1));
      Host.LetPendingRun();
      LastLookupPos = QPoint(x, y);
    }
    if (ButtonDown && Last.Index != LastMoveIndex) {
      switch (s.ToolCode) {
        case PaintTool:
          PaintBoth(Last.Index, BeadPainted, s.PaintColor);
          // A drag may begin with a click that was too close to paint; the
          // beads it paints are still unsaved changes.
          Host.SetModified();
          break;
        case EraseTool:
          PaintBoth(Last.Index, BeadBase, 0);
          Host.SetModified();
          break;
        case LineTool:
        case RectangleTool:
        case CircleTool:
          RubberBand(s);
          break;
        default:
          break;
      }
    }
    LastMoveIndex = Last.Index;
    (void)keys;
  });
}

void TChartTools::RubberBand(const TToolSettings& s) {
  const QRect old = OutlineText.Bounds();
  OutlineText.Clear();
  if (s.ToolCode == CircleTool) FillText.Clear();
  TShapeTracer tracer(Host.Pattern(), OutlineText, FillText);
  tracer.LineDeviation = s.LineDeviation;
  tracer.FillPolygons = s.FillPolygons;
  const QPoint a = BeadCentre(AnchorRect), c = BeadCentre(Last);
  switch (s.ToolCode) {
    case LineTool:
      tracer.DrawLine(a.x(), a.y(), c.x(), c.y());
      break;
    case RectangleTool:
      tracer.DrawRectangle(a.x(), a.y(), c.x(), c.y(), false);
      break;
    case CircleTool: {
      const int rx = std::abs(a.x() - c.x()), ry = std::abs(a.y() - c.y());
      if (ShiftHeld) {
        const int r = std::max(rx, ry);
        tracer.DrawEllipse(a.x(), a.y(), r, r);
      } else {
        tracer.DrawEllipse(a.x(), a.y(), rx, ry);
      }
      break;
    }
    default:
      break;
  }
  Host.UpdateArea(old | OutlineText.Bounds());
}

// ---------------------------------------------------------------- mouse up

void TChartTools::MouseUp(TMouseButton button, TKeyState keys, int x, int y) {
  Guarded("Mouse Up Failure ", [&] {
    const bool wasDown = ButtonDown;
    ButtonDown = false;
    LookUp(x, y);
    if (!wasDown || button != TMouseButton::Left) return;
    const TToolSettings s = Host.Settings();
    if (s.ToolCode == LineTool || s.ToolCode == RectangleTool || s.ToolCode == CircleTool)
      FinishShape(s, x, y);
  });
  (void)keys;
}

void TChartTools::FinishShape(const TToolSettings& s, int, int) {
  TBeadPattern& pattern = Host.Pattern();
  const QRect old = OutlineText.Bounds();
  TDirtyCanvas canvas(Host.Bitmap());
  if (s.ToolCode == RectangleTool) {
    // Traced again with its interior, to the bead under the release point
    // (or the last one the pointer was over).
    OutlineText.Clear();
    FillText.Clear();
    TShapeTracer tracer(pattern, OutlineText, FillText);
    tracer.LineDeviation = s.LineDeviation;
    tracer.FillPolygons = s.FillPolygons;
    const QPoint a = BeadCentre(AnchorRect), c = BeadCentre(Last);
    tracer.DrawRectangle(a.x(), a.y(), c.x(), c.y(), true);
    TBusy busy(Host);
    pattern.LinePaint(&canvas, OutlineText.Text(), s.PaintColor, true);
    OutlineText.Blank();
    if (s.FillPolygons) {
      pattern.LinePaint(&canvas, FillText.Text(), s.FillColor, false);
      FillText.Blank();
    }
  } else {
    TBusy busy(Host);
    pattern.LinePaint(&canvas, OutlineText.Text(), s.PaintColor, true);
    OutlineText.Clear();
  }
  Host.SetModified();
  Host.UpdateArea(old | canvas.Take());
}

// ---------------------------------------------------------------- selection

QRect TChartTools::SelectionBounds() const {
  QRect r;
  for (const QRect& m : SelectionMarks(QRect())) r |= m;
  return r;
}

std::vector<QRect> TChartTools::SelectionMarks(const QRect& area) const {
  std::vector<QRect> marks;
  const TBeadPattern& pattern = Host.Pattern();
  for (const BeadRecord& e : Host.Selection()) {
    // From the chart's current layout: gaps may have changed since the click.
    BeadRecord now;
    if (!pattern.GetBeadInfo(e.Index, now)) continue;
    const QRect mark = SelectionMarkRect(pattern, now.Left, now.Top, now.Right, now.Bottom);
    if (area.isNull() || area.intersects(mark)) marks.push_back(mark);
  }
  return marks;
}

void TChartTools::ClearSelection() {
  if (Host.Selection().empty()) return;
  const QRect before = SelectionBounds();
  Host.Selection().clear();
  Host.UpdateArea(before);
}

void TChartTools::CopyBlock(bool copy) {
  Guarded(copy ? "Copy Block Failure " : "Cut Block Failure ", [&] {
    if (Host.Selection().empty()) return;
    // Copy what the beads show now: an undo since the click may have changed them.
    for (BeadRecord& e : Host.Selection())
      if (std::optional<BeadRecord> now = SelectionEntry(Host.Pattern(), e.Index)) e = *now;
    TBeadList& clipboard = Host.BeadClipboard();
    CopyToClipboard(Host.Selection(), clipboard);
    Host.ClipboardFilled();
    ClearSelection();
    if (copy) return;
    TDirtyCanvas canvas(Host.Bitmap());
    CutBeads(Host.Pattern(), &canvas, clipboard);
    Host.UpdateArea(canvas.Take());
    Host.SetModified();
  });
}

void TChartTools::PasteBlock() {
  Guarded("Paste Block Failure ", [&] {
    TBeadPattern& pattern = Host.Pattern();
    TDirtyCanvas canvas(Host.Bitmap());
    // The pointed bead by row and column, so that a chart whose rows or
    // columns changed since still takes the block where it is shown.
    const int pointed = Last.Row * pattern.BeadPatternWidth() + Last.Column;
    PasteBeads(pattern, &canvas, Host.BeadClipboard(), pointed, Last.Column);
    Host.UpdateArea(canvas.Take());
    Host.SetModified();
  });
}

bool TChartTools::Undo() {
  bool undone = false;
  Guarded("Undo Failure ", [&] {
    TDirtyCanvas canvas(Host.Bitmap());
    undone = Host.Pattern().Undo(&canvas);
    Host.UpdateArea(canvas.Take());
    if (undone) Host.SetModified();
  });
  return undone;
}
