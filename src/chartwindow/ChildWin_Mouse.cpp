// Mouse and key handling of the chart window, the overlay drawn over Bitmap,
// the Edit commands on a chart, and the popup's row and column items. The
// tools themselves are TChartTools; this file connects them to the window
// and the main frame.
#include "chartwindow/ChildWin.h"

#include "frame/Main.h"
#include "frame/ProgressDialog.h"
#include "platform/Guard.h"
#include "platform/UserInterface.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QPainter>

// ---------------------------------------------------------------- the host

TToolSettings TChildToolHost::Settings() const {
  TToolSettings s;
  if (!Glintweave) return s;
  s.ToolCode = Glintweave->ToolCode;
  s.PaintColor = Glintweave->CurrentPaintColor;
  s.FillColor = Glintweave->CurrentFillColor;
  s.FillMode = Glintweave->FillMode;
  s.LineDeviation = Glintweave->LineDeviation;
  s.FillPolygons = Glintweave->FillPolygons;
  s.BeadHighlight = Glintweave->BeadHighlight1 && Glintweave->BeadHighlight1->isChecked();
  return s;
}

TBeadPattern& TChildToolHost::Pattern() { return *Owner.Pattern; }
TPicture& TChildToolHost::Bitmap() { return Owner.Bitmap; }
bool TChildToolHost::WindowActive() const { return Owner.WindowActive; }
TBeadList& TChildToolHost::Selection() { return Owner.Selection; }
TBeadList& TChildToolHost::BeadClipboard() { return Glintweave->BeadClipboard; }

void TChildToolHost::ClipboardFilled() {
  if (Glintweave && Glintweave->ClipLbl) Glintweave->ClipLbl->setEnabled(true);
}

void TChildToolHost::SetModified() { Owner.Modified = true; }

void TChildToolHost::UpdateArea(const QRect& area) {
  if (area.isEmpty()) return;
  Owner.InvalidatePicture(area);
  Owner.FlushChanges();
}

void TChildToolHost::RepaintChart() { Owner.RepaintChart(); }

void TChildToolHost::ShowRowColumn(const QString& row, const QString& column) {
  if (!Glintweave) return;
  if (Glintweave->Row2Lbl) Glintweave->Row2Lbl->setText(row);
  if (Glintweave->Column2Lbl) Glintweave->Column2Lbl->setText(column);
}

void TChildToolHost::TakePaintColor(TColor color) {
  Glintweave->CurrentPaintColor = color;
  Glintweave->RefreshSwatch(Glintweave->PaintColor, color);
}

void TChildToolHost::SelectTool(int code) { Glintweave->SelectSpeedBtn(code); }

bool TChildToolHost::RebuildForZoom() {
  // A window pushed partly out of the workspace comes back to its corner.
  if (Owner.pos().x() < 0 || Owner.pos().y() < 0)
    Owner.move(std::max(0, Owner.pos().x()), std::max(0, Owner.pos().y()));
  Owner.PaintingSuspended = true;
  Owner.ProgressSetUp();
  Owner.ProgressPhase(QStringLiteral("Setting up."));
  const bool made = Owner.CreateNewBitmap();
  if (made) {
    Owner.ProgressPhase(QStringLiteral("Drawing Bitmap"));
    Owner.DrawBitmap(false);
  }
  Owner.ProgressDone();
  Owner.PaintingSuspended = false;
  Owner.RepaintChart();
  return made;
}

void TChildToolHost::RebuildForRowsColumns() {
  Owner.CreateNewBitmap();
  Owner.DrawBitmap(false);
}

void TChildToolHost::ShowPopup(int x, int y) {
  // Not modal here: the press goes on to its lookup, and the menu runs its own way.
  Owner.PopupMenu1->popup(Owner.View()->mapToGlobal(QPoint(x, y)));
}

void TChildToolHost::SetBusy(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void TChildToolHost::LetPendingRun() { UI().ProcessPendingEvents(false); }

// ---------------------------------------------------------------- events

namespace {
TKeyState KeysOf(Qt::KeyboardModifiers keys) {
  return TKeyState{keys.testFlag(Qt::ShiftModifier), keys.testFlag(Qt::ControlModifier)};
}
TMouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return TMouseButton::Left;
    case Qt::RightButton: return TMouseButton::Right;
    default: return TMouseButton::Other;
  }
}
}  // namespace

void TMDIChild::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers keys, int x, int y) {
  if (!Pattern) return;
  Tools.MouseDown(ButtonOf(button), KeysOf(keys), x, y);
}

void TMDIChild::FormMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers keys, int x, int y) {
  if (!Pattern) return;
  Tools.MouseMove(KeysOf(keys), x, y);
}

void TMDIChild::FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers keys, int x, int y) {
  if (!Pattern) return;
  Tools.MouseUp(ButtonOf(button), KeysOf(keys), x, y);
}

void TMDIChild::FormKeyDown(int key, Qt::KeyboardModifiers) { Tools.KeyDown(key == Qt::Key_Shift); }

void TMDIChild::FormKeyUp(int, Qt::KeyboardModifiers) { Tools.KeyUp(); }

// ---------------------------------------------------------------- overlay

void TMDIChild::PaintOverlay(QPainter& painter, const QRect& area) {
  if (!Pattern) return;
  const QColor colour = ToQColor(HighlightColor);
  QPen pen(colour);
  pen.setStyle(HighlightStyle);
  pen.setWidth(0);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  // A frame whose pixels are exactly the rectangle's border.
  auto frame = [&](const QRect& r) {
    if (r.isNull() || !r.intersects(area)) return;
    painter.drawRect(r.adjusted(0, 0, -1, -1));
  };
  const bool highlight = Glintweave && Glintweave->BeadHighlight1 &&
                         Glintweave->BeadHighlight1->isChecked();
  if (highlight) frame(Tools.HighlightArea());
  for (const QRect& r : Tools.TraceOutlines().Outlines()) frame(r);
  for (const QRect& mark : Tools.SelectionMarks(area)) painter.fillRect(mark, colour);
}

// ---------------------------------------------------------------- Edit commands

bool TMDIChild::Undo() { return Pattern && Tools.Undo(); }

void TMDIChild::CopyBlock(bool copy) {
  if (Pattern) Tools.CopyBlock(copy);
}

void TMDIChild::PasteBlock() {
  if (Pattern) Tools.PasteBlock();
}

QString TMDIChild::PatternInfo() const {
  QString text;
  try {
    const int width = Pattern->BeadPatternWidth(), height = Pattern->BeadPatternHeight();
    text += QStringLiteral("Width in beads .... ") + QString::number(width) + QLatin1Char('\n');
    text += QStringLiteral("Height in beads ... ") + QString::number(height) + QLatin1Char('\n');
    text += QStringLiteral("Bitmap Width ...... ") + QString::number(Bitmap.Width()) +
            QLatin1Char('\n');
    text += QStringLiteral("Bitmap Height ..... ") + QString::number(Bitmap.Height()) +
            QLatin1Char('\n');
    text += QStringLiteral("Total Beads ....... ") +
            QString::number(qint64(width) * qint64(height)) + QLatin1Char('\n');
  } catch (const std::exception&) {
    // What was built so far is still worth showing.
  }
  return text;
}

// ---------------------------------------------------------------- popup items

namespace {
// Row and column edits are not undoable; only Yes goes on to the one-shot tool.
void ConfirmRowColumnTool(int tool) {
  const TAnswer answer =
      UI().MessageBox(QStringLiteral("I did not have the energy to implement undo\n ") +
                          QStringLiteral(" for this function.  Do you want to proceed."),
                      QStringLiteral("Error"), TButtons::YesNoCancel, TIcon::Question);
  if (answer == TAnswer::Yes && Glintweave) Glintweave->SelectSpeedBtn(tool);
}
}  // namespace

void TMDIChild::AddRow1Click() { ConfirmRowColumnTool(AddRowTool); }

void TMDIChild::AddColumn1Click() { ConfirmRowColumnTool(AddColumnTool); }

void TMDIChild::DeleteRow1Click() { ConfirmRowColumnTool(DeleteRowTool); }

void TMDIChild::DeleteCoumn1Click() { ConfirmRowColumnTool(DeleteColumnTool); }
