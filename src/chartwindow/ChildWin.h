#pragma once
// TMDIChild: one chart window. It owns the chart model, the off-screen picture
// of the whole chart (Bitmap) and the selection, keeps picture and screen in
// step, and asks about unsaved changes before it goes away.
//
//   ChildWin.cpp        construction, the operations the frame calls, closing
//   ChildWin_Paint.cpp  the chart view, the recording canvases, painting
//   ChildWin_Mouse.cpp  mouse and key handling, the popup's row and column items
#include "chartwindow/ChildWin_Tools.h"
#include "model/Beads_Classes.h"
#include "platform/Picture.h"

#include <QMdiSubWindow>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QPainter;
class QScrollArea;
class TMDIChild;

// The widget that shows Bitmap. It is exactly as large as the picture and sits
// in a scroll area, so its coordinates are picture coordinates.
class TChartView : public QWidget {
  Q_OBJECT
public:
  explicit TChartView(TMDIChild& owner);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

private:
  TMDIChild& Owner;
};

// A canvas over Bitmap that remembers which part of the picture changed, so
// the window repaints only that. The window canvas records without drawing
// (the screen shows Bitmap); the picture canvas draws and records.
class TChartCanvas final : public TCanvas {
public:
  TChartCanvas(TMDIChild& owner, bool draws) : Owner(owner), Draws(draws) {}
  void FillRect(int left, int top, int right, int bottom, TColor color) override;
  void Draw(int x, int y, const TPicture& source) override;
  void SetPixel(int x, int y, TColor color) override;
  TColor Pixel(int x, int y) const override;

private:
  TMDIChild& Owner;
  bool Draws;
};

// The window and the main frame as the editing tools see them (ChildWin_Mouse.cpp).
class TChildToolHost final : public TChartToolHost {
public:
  explicit TChildToolHost(TMDIChild& owner) : Owner(owner) {}
  TToolSettings Settings() const override;
  TBeadPattern& Pattern() override;
  TPicture& Bitmap() override;
  bool WindowActive() const override;
  TBeadList& Selection() override;
  TBeadList& BeadClipboard() override;
  void ClipboardFilled() override;
  void SetModified() override;
  void UpdateArea(const QRect& area) override;
  void RepaintChart() override;
  void ShowRowColumn(const QString& row, const QString& column) override;
  void TakePaintColor(TColor color) override;
  void SelectTool(int code) override;
  bool RebuildForZoom() override;
  void RebuildForRowsColumns() override;
  void ShowPopup(int x, int y) override;
  void SetBusy(bool busy) override;
  void LetPendingRun() override;

private:
  TMDIChild& Owner;
};

class TMDIChild : public QMdiSubWindow {
  Q_OBJECT
  friend class TChartView;
  friend class TChartCanvas;
  friend class TChildToolHost;

public:
  // Builds the chart from the main frame's CreateMode and creation fields.
  // When that fails (unreadable file, a chart too large), Failed() is true and
  // the creator discards the window.
  explicit TMDIChild(QWidget* parent = nullptr);
  ~TMDIChild() override;

  bool Failed() const { return ConstructionFailed; }
  // True while the window is in the middle of its own construction or relayout;
  // it cannot be closed then.
  bool Busy() const { return BusyDepth > 0; }
  // True once the window has agreed to close; it goes away at the next turn
  // of the event loop and no longer counts as an open chart.
  bool Closed() const { return HasClosed; }
  // Asks about unsaved changes: Yes saves, No lets go, Cancel keeps the chart.
  // True when the window may close (saved, declined, or nothing to save).
  bool ConfirmClose();
  // Closes after the question was already answered (leaving the program).
  bool CloseWithoutAsking();

  // ---- state
  std::unique_ptr<TBeadPattern> Pattern;
  TPicture Bitmap;
  std::vector<BeadRecord> Selection;
  TColorList& ColorList() { return Pattern->ColorList(); }
  QString FileName;
  bool Modified = false;
  TColor BackGroundColor = 0x808080;
  TColor HighlightColor = 0xFFFFFF;
  Qt::PenStyle HighlightStyle = Qt::SolidLine;
  std::int32_t PaintIndex = 7;
  std::int32_t FillIndex = 5;
  std::int16_t RowGap = 1;
  std::int16_t ColumnGap = 1;
  bool WindowActive = false;
  bool PaintingSuspended = false;

  // The editing tools (ChildWin_Mouse.cpp): mouse tracking, the last bead
  // found under the pointer, the shape lists (OutlineText, FillText) and the
  // overlay. They use Selection above.
  TChildToolHost ToolHost{*this};
  TChartTools Tools{ToolHost};
  // Edit menu commands on this chart (ChildWin_Mouse.cpp).
  bool Undo();
  void CopyBlock(bool copy);
  void PasteBlock();
  // The five-line report of Information > Pattern Information.
  QString PatternInfo() const;

  // ---- operations the main frame calls
  void SetPatternStyle(EPattern style);
  void SetGaps(int rowGap, int columnGap);
  void ChangeBackGround(TColor color);
  // Writes the chart to FileName as a pattern file; false (and Modified left
  // alone) when the write failed. The undo history is dropped only once the
  // file is written.
  bool SavePattern();
  // Shows the whole of Bitmap again, with the selection marks.
  void RepaintChart();
  // Hands the window's paint and fill colours to the main frame.
  void FormActivate();
  // The window became (active) or stopped being (!active) the active chart.
  void NCActivate(bool active);

  // ---- operations used inside the window and by the editing tools
  // rebuild: lay down a new chart in the frame's NewStyle; otherwise clear
  // Bitmap to the background and draw every bead.
  bool DrawBitmap(bool rebuild);
  // A new Bitmap of the chart's picture size, the relayout, and the window
  // fitted to it. False (old Bitmap and layout kept) when it cannot be made.
  bool CreateNewBitmap();
  void ClearSelection();

  // Canvases for the model's drawing calls: the window one records only, the
  // picture one draws into Bitmap and records. What they record is repainted
  // by FlushChanges (and, if nobody calls it, at the next turn of the loop).
  TCanvas* WindowCanvas() { return &WindowCanvas_; }
  TCanvas* PictureCanvas() { return &PictureCanvas_; }
  // Marks a picture rectangle (right and bottom exclusive) for repainting.
  void InvalidatePicture(const QRect& rect);
  void FlushChanges();
  // The part of the picture waiting to be repainted (empty when none).
  QRect PendingRect() const { return Dirty; }

  TChartView* View() const { return ChartView; }
  QScrollArea* Scroller() const { return Scroll; }
  // Fits the window to the picture within the frame's workspace.
  void FitToPicture();
  void SetToolCursor(const QCursor& cursor);

  // ---- mouse and keys (ChildWin_Mouse.cpp); picture coordinates
  void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys, int x, int y);
  void FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, int x, int y);
  void FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers keys, int x, int y);
  void FormKeyDown(int key, Qt::KeyboardModifiers keys);
  void FormKeyUp(int key, Qt::KeyboardModifiers keys);
  // Drawn over Bitmap, never into it: highlight, rubber bands, selection marks.
  void PaintOverlay(QPainter& painter, const QRect& area);

  // ---- popup
  QMenu* PopupMenu1 = nullptr;
  QAction* Close1 = nullptr;
  QAction* Save1 = nullptr;
  QAction* AddRow1 = nullptr;
  QAction* AddColumn1 = nullptr;
  QAction* DeleteRow1 = nullptr;
  QAction* DeleteCoumn1 = nullptr;
  void Close1Click();
  void Save1Click();
  void AddRow1Click();
  void AddColumn1Click();
  void DeleteRow1Click();
  void DeleteCoumn1Click();

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  // Shows the progress window when the frame wants it and gives it to the model.
  void ProgressSetUp();
  void ProgressPhase(const QString& caption);
  void ProgressDone();
  bool BuildNewChart();
  bool BuildFromFile();
  bool BuildFromConversion();
  bool FinishLoaded();
  void BuildPopup();

  TChartView* ChartView = nullptr;
  QScrollArea* Scroll = nullptr;
  TChartCanvas WindowCanvas_{*this, false};
  TChartCanvas PictureCanvas_{*this, true};
  QRect Dirty;
  bool FlushQueued = false;
  bool ConstructionFailed = false;
  bool HasClosed = false;
  bool CloseConfirmed = false;
  int BusyDepth = 0;

  friend class TBusy;
};

// The FileName of the chart window most recently activated or deactivated.
extern QString LastActiveChart;
