#pragma once
// A chart window stand-in for the tools: the chart and its picture, the main
// frame's editing state, and a record of what the tools asked for.
#include "ChartFixture.h"
#include "chartwindow/ChildWin_Tools.h"

#include <QRect>
#include <memory>
#include <vector>

class TToolHostFake : public TChartToolHost {
public:
  TToolHostFake(EPattern style, int width, int height, float zoom = 1.0f)
      : Chart(std::make_unique<TTestChart>(style, width, height, zoom)), Tools(*this) {}

  TToolSettings Settings() const override { return Frame; }
  TBeadPattern& Pattern() override { return Chart->Pattern; }
  TPicture& Bitmap() override { return Chart->Bitmap; }
  bool WindowActive() const override { return Active; }
  TBeadList& Selection() override { return SelectionList; }
  TBeadList& BeadClipboard() override { return *Clipboard; }
  void ClipboardFilled() override { ClipLabelEnabled = true; }
  void SetModified() override { Modified = true; }
  void UpdateArea(const QRect& area) override {
    Updated.push_back(area);
    UpdatedAll |= area;
  }
  void RepaintChart() override { ++FullRepaints; }
  void ShowRowColumn(const QString& row, const QString& column) override {
    RowText = row;
    ColumnText = column;
  }
  void TakePaintColor(TColor color) override { Frame.PaintColor = color; }
  void SelectTool(int code) override { Frame.ToolCode = code; }
  bool RebuildForZoom() override {
    if (RefuseLayout) return false;
    Rebuild();
    ++ZoomRebuilds;
    return true;
  }
  void RebuildForRowsColumns() override { Rebuild(); ++RowColumnRebuilds; }
  void ShowPopup(int x, int y) override { Popups.push_back(QPoint(x, y)); }
  void SetBusy(bool busy) override { Busy += busy ? 1 : -1; }
  void LetPendingRun() override {}

  // The window's CreateNewBitmap and DrawBitmap in redraw mode.
  void Rebuild() {
    TBeadPattern& p = Chart->Pattern;
    p.MakeZoomList();
    const QSize size = p.PictureSize();
    Chart->Bitmap.SetSize(size.width(), size.height());
    Chart->Bitmap.Fill(p.BackGround());
    p.DrawFromStruct(&Chart->Bitmap.Canvas());
  }

  // ---- driving the tools with the pointer over beads
  QPoint Centre(int row, int column) const { return Chart->Centre(row, column); }
  void Move(QPoint p, TKeyState keys = {}) { Tools.MouseMove(keys, p.x(), p.y()); }
  void Press(QPoint p, TKeyState keys = {}, TMouseButton b = TMouseButton::Left) {
    Tools.MouseDown(b, keys, p.x(), p.y());
  }
  void Release(QPoint p, TKeyState keys = {}, TMouseButton b = TMouseButton::Left) {
    Tools.MouseUp(b, keys, p.x(), p.y());
  }
  // Moves there, then presses and releases, as a hand would.
  void Click(QPoint p, TKeyState keys = {}) {
    Move(p, keys);
    Press(p, keys);
    Release(p, keys);
  }
  void Click(int row, int column, TKeyState keys = {}) { Click(Centre(row, column), keys); }
  // Press on one bead, move through the others, release on the last.
  void Drag(const std::vector<QPoint>& path, TKeyState keys = {}) {
    Move(path.front(), keys);
    Press(path.front(), keys);
    for (std::size_t i = 1; i < path.size(); ++i) Move(path[i], keys);
    Release(path.back(), keys);
  }

  const StoredBead& Bead(int row, int column) const { return Chart->Bead(row, column); }
  int Index(int row, int column) const { return Chart->Index(row, column); }
  QRect BeadArea(int row, int column) const {
    const StoredBead& b = Bead(row, column);
    return QRect(QPoint(b.Left, b.Top), QPoint(b.Right - 1, b.Bottom - 1));
  }
  void ClearRecord() {
    Updated.clear();
    UpdatedAll = QRect();
    FullRepaints = 0;
    Modified = false;
  }

  std::unique_ptr<TTestChart> Chart;
  TToolSettings Frame;
  std::shared_ptr<TBeadList> Clipboard = std::make_shared<TBeadList>();
  bool Active = true;
  bool RefuseLayout = false;
  TBeadList SelectionList;
  bool Modified = false;
  bool ClipLabelEnabled = false;
  std::vector<QRect> Updated;
  QRect UpdatedAll;
  int FullRepaints = 0;
  int ZoomRebuilds = 0;
  int RowColumnRebuilds = 0;
  int Busy = 0;
  QString RowText = QStringLiteral("?"), ColumnText = QStringLiteral("?");
  std::vector<QPoint> Popups;
  TChartTools Tools;
};
