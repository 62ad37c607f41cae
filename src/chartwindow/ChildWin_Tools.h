#pragma once
// What a chart window does with the mouse: the tools, the highlight and row /
// column read-out, the shape rubber bands, the selection, copy, cut, paste and
// undo. Kept free of widgets: the window supplies a host (its picture, the
// main frame's editing state, repainting) and paints the overlay this keeps.
#include "chartwindow/ChildWin_Clipboard.h"
#include "chartwindow/ChildWin_Shapes.h"
#include "model/Beads_Classes.h"

#include <QPoint>
#include <QRect>
#include <QString>

// Tool codes as the main frame keeps them.
enum TToolCode : int {
  PaintTool = 0,
  FillTool = 1,
  ZoomInTool = 2,
  EraseTool = 3,
  LineTool = 4,
  DeleteBeadTool = 5,
  RectangleTool = 6,
  EyedropperTool = 7,
  ZoomOutTool = 8,
  NoTool = 10,
  CircleTool = 11,
  DeleteRowTool = 12,
  DeleteColumnTool = 13,
  AddRowTool = 14,
  AddColumnTool = 15,
  SelectTool = 16,
};

// The main frame's editing state, read at the moment of each event.
struct TToolSettings {
  int ToolCode = PaintTool;
  TColor PaintColor = 0xFF0000;
  TColor FillColor = 0xFF0000;
  int FillMode = 1;  // 0 every bead, 1 base beads only, 2 replace the paint colour
  float LineDeviation = 0.1f;
  bool FillPolygons = false;
  bool BeadHighlight = true;
};

enum class TMouseButton { Left, Right, Other };

struct TKeyState {
  bool Shift = false;
  bool Ctrl = false;
};

// The chart window and the main frame, as the tools use them.
class TChartToolHost {
public:
  virtual ~TChartToolHost() = default;
  virtual TToolSettings Settings() const = 0;
  virtual TBeadPattern& Pattern() = 0;
  virtual TPicture& Bitmap() = 0;
  virtual bool WindowActive() const = 0;
  // The window's selection.
  virtual TBeadList& Selection() = 0;
  // The application-wide bead clipboard, and its "Clipboard" label.
  virtual TBeadList& BeadClipboard() = 0;
  virtual void ClipboardFilled() = 0;
  virtual void SetModified() = 0;
  // Repaints that part of the window: the picture and the overlay over it.
  virtual void UpdateArea(const QRect& area) = 0;
  virtual void RepaintChart() = 0;
  virtual void ShowRowColumn(const QString& row, const QString& column) = 0;
  // The eyedropper's colour becomes the paint colour and its swatch.
  virtual void TakePaintColor(TColor color) = 0;
  virtual void SelectTool(int code) = 0;
  // Rebuilds the picture after the model's zoom changed, with progress. False
  // when the new layout could not be made (the old one is kept).
  virtual bool RebuildForZoom() = 0;
  // Rebuilds the picture after rows or columns changed.
  virtual void RebuildForRowsColumns() = 0;
  virtual void ShowPopup(int x, int y) = 0;
  virtual void SetBusy(bool busy) = 0;
  virtual void LetPendingRun() = 0;
};

class TChartTools {
public:
  explicit TChartTools(TChartToolHost& host);

  void MouseDown(TMouseButton button, TKeyState keys, int x, int y);
  void MouseMove(TKeyState keys, int x, int y);
  void MouseUp(TMouseButton button, TKeyState keys, int x, int y);
  void KeyDown(bool isShift) { ShiftHeld = isShift; }
  void KeyUp() { ShiftHeld = false; }

  // Selection and clipboard.
  void ClearSelection();
  void CopyBlock(bool copy);
  void PasteBlock();
  // Takes back the latest change; false when there was nothing to undo.
  bool Undo();
  // The switch of the bead highlight changed: the outline goes until the next move.
  void ForgetHighlight();

  // ---- overlay, painted by the window over its picture
  QRect HighlightArea() const { return HighlightRect; }
  const TIndexList& TraceOutlines() const { return OutlineText; }
  const TBeadList& Selection() const { return Host.Selection(); }
  // Marks of the selected beads within area, from the chart's current layout.
  std::vector<QRect> SelectionMarks(const QRect& area) const;
  QRect SelectionBounds() const;

  // ---- tracking state
  bool ButtonDown = false;
  QPoint AnchorPos{-100, -100};
  TBeadHit AnchorRect;
  QPoint LastLookupPos{-100, -100};
  TBeadHit Last;  // the last bead a lookup under the pointer found
  int LastMoveIndex = -100;
  QRect HighlightRect;
  bool ShiftHeld = false;
  BeadRecord HitRecord;
  TIndexList OutlineText;  // the shape being dragged
  TIndexList FillText;

private:
  bool LookUp(int x, int y);
  void PaintBoth(int index, BeadState state, TColor color);
  void Fill(const TToolSettings& s);
  void ZoomStep(float step, TKeyState keys);
  void RowColumnTool(int tool);
  void SelectClick(TKeyState keys);
  void RubberBand(const TToolSettings& s);
  void FinishShape(const TToolSettings& s, int x, int y);
  void MoveHighlight(bool found);
  void UpdateMarks();
  void UpdateOutlines();

  TChartToolHost& Host;
};
