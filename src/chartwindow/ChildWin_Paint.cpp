// The chart view, the recording canvases, and keeping the screen in step with Bitmap.
#include "chartwindow/ChildWin.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TChartView::TChartView(TMDIChild& owner) : QWidget(nullptr), Owner(owner) {
  setObjectName(QStringLiteral("ChartView"));
  // Every pixel comes from Bitmap: nothing to erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void TChartView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  const QImage& image = Owner.Bitmap.Image();
  const QRect inside = area.intersected(image.rect());
  if (!inside.isEmpty()) painter.drawImage(inside.topLeft(), image, inside);
  // Whatever the picture does not cover (a picture not yet made).
  const QRegion rest = QRegion(area).subtracted(QRegion(inside));
  for (const QRect& r : rest) painter.fillRect(r, palette().dark());
  Owner.PaintOverlay(painter, area);
}

void TChartView::mousePressEvent(QMouseEvent* event) {
  if (Owner.Busy()) return;  // no editing in the middle of its own relayout
  const QPoint at = event->position().toPoint();
  Owner.FormMouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TChartView::mouseMoveEvent(QMouseEvent* event) {
  if (Owner.Busy()) return;
  const QPoint at = event->position().toPoint();
  // Pointing at a chart other than the one last activated or left clears its marks.
  if (LastActiveChart.isEmpty()) LastActiveChart = Owner.FileName;
  if (LastActiveChart != Owner.FileName) {
    Owner.FormMouseMove(Qt::NoButton, Qt::NoModifier, -100, -100);
    Owner.ClearSelection();
  }
  Owner.FormMouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (Owner.Busy()) return;
  const QPoint at = event->position().toPoint();
  Owner.FormMouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void TChartView::keyPressEvent(QKeyEvent* event) {
  if (Owner.Busy()) return;
  Owner.FormKeyDown(event->key(), event->modifiers());
}

void TChartView::keyReleaseEvent(QKeyEvent* event) {
  if (Owner.Busy()) return;
  Owner.FormKeyUp(event->key(), event->modifiers());
}

void TChartView::enterEvent(QEnterEvent* event) {
  if (LastActiveChart.isEmpty()) LastActiveChart = Owner.FileName;
  if (LastActiveChart != Owner.FileName) {
    Owner.FormMouseMove(Qt::NoButton, Qt::NoModifier, -100, -100);
    Owner.ClearSelection();
  }
  QWidget::enterEvent(event);
}

// ---------------------------------------------------------------- canvases

void TChartCanvas::FillRect(int left, int top, int right, int bottom, TColor color) {
  if (Draws) Owner.Bitmap.FillRect(left, top, right, bottom, color);
  Owner.InvalidatePicture(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void TChartCanvas::Draw(int x, int y, const TPicture& source) {
  if (Draws) Owner.Bitmap.Draw(x, y, source);
  Owner.InvalidatePicture(QRect(x, y, source.Width(), source.Height()));
}

void TChartCanvas::SetPixel(int x, int y, TColor color) {
  if (Draws) Owner.Bitmap.SetPixel(x, y, color);
  Owner.InvalidatePicture(QRect(x, y, 1, 1));
}

TColor TChartCanvas::Pixel(int x, int y) const { return Owner.Bitmap.Pixel(x, y); }

void TMDIChild::InvalidatePicture(const QRect& rect) {
  const QRect r = rect.normalized().intersected(QRect(QPoint(0, 0), ChartView->size()));
  if (r.isEmpty()) return;
  Dirty = Dirty.united(r);
  if (!FlushQueued) {
    FlushQueued = true;
    // Whoever drew may forget to flush; the next turn of the loop does it.
    QMetaObject::invokeMethod(this, [this] { FlushChanges(); }, Qt::QueuedConnection);
  }
}

void TMDIChild::FlushChanges() {
  FlushQueued = false;
  if (Dirty.isEmpty() || PaintingSuspended) return;
  ChartView->update(Dirty);
  Dirty = QRect();
}
