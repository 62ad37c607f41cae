// Construction, the operations the main frame calls, activation and closing.
#include "chartwindow/ChildWin.h"

#include "frame/Main.h"
#include "frame/ProgressDialog.h"
#include "platform/Guard.h"
#include "platform/UserInterface.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMdiArea>
#include <QMenu>
#include <QProgressBar>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <cstdint>

QString LastActiveChart;

// 2 GiB: the largest chart the menus allow (600 by 600 at the largest zoom and
// gaps) needs about 1 GiB.
static constexpr std::int64_t MaxPictureBytes = std::int64_t(2) << 30;

// Marks the window busy for the length of a long operation of its own.
class TBusy {
public:
  explicit TBusy(TMDIChild& child) : Child(child) { ++Child.BusyDepth; }
  ~TBusy() { --Child.BusyDepth; }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;
private:
  TMDIChild& Child;
};

namespace {
// The hourglass for the length of a scope.
class TWaitCursor {
public:
  TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};
}  // namespace

TMDIChild::TMDIChild(QWidget* parent) : QMdiSubWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("MDIChild"));
  setWindowTitle(QStringLiteral("MDI Child"));
  setWindowIcon(QIcon(QStringLiteral(":/icon/glintweave_32.png")));
  setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMinimizeButtonHint);

  Scroll = new QScrollArea(this);
  Scroll->setObjectName(QStringLiteral("ChartScroll"));
  Scroll->setFrameShape(QFrame::NoFrame);
  Scroll->setWidgetResizable(false);
  Scroll->setBackgroundRole(QPalette::Dark);
  ChartView = new TChartView(*this);
  Scroll->setWidget(ChartView);
  setWidget(Scroll);
  BuildPopup();

  if (!Glintweave) {  // nothing to build from
    ConstructionFailed = true;
    return;
  }
  TWaitCursor wait;
  TBusy busy(*this);
  bool built = false;
  const bool guarded = Guarded("Form Create Failure ", [&] {
    Pattern = std::make_unique<TBeadPattern>(6, 9);
    Pattern->SetBeadPattern(Glintweave->NewStyle);
    Selection.clear();
    PaintIndex = 7;
    FillIndex = 5;
    Pattern->SetBackGround(0x808080);
    BackGroundColor = 0x808080;
    HighlightColor = 0xFFFFFF;
    RowGap = ColumnGap = 1;
    Modified = false;
    switch (Glintweave->CreateMode) {
      case 0: built = BuildNewChart(); break;
      case 1: built = BuildFromConversion(); break;
      case 2: built = BuildFromFile(); break;
      default: built = false; break;
    }
  });
  // A window that could not be built is not shown at all; a half-built one
  // would offer a chart that is not there.
  ConstructionFailed = !guarded || !built;
  if (ConstructionFailed) ProgressDone();
}

TMDIChild::~TMDIChild() {
  if (Pattern) Pattern->SetProgressHandle(nullptr);
}

void TMDIChild::BuildPopup() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  auto add = [this](const char* name, const char* caption) {
    QAction* a = PopupMenu1->addAction(QString::fromLatin1(caption));
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  Close1 = add("Close1", "&Close");
  Save1 = add("Save1", "&Save");
  AddRow1 = add("AddRow1", "Add Row");
  AddColumn1 = add("AddColumn1", "Add Column");
  DeleteRow1 = add("DeleteRow1", "Delete Row");
  DeleteCoumn1 = add("DeleteCoumn1", "Delete Coumn");
  connect(Close1, &QAction::triggered, this, &TMDIChild::Close1Click);
  connect(Save1, &QAction::triggered, this, &TMDIChild::Save1Click);
  connect(AddRow1, &QAction::triggered, this, &TMDIChild::AddRow1Click);
  connect(AddColumn1, &QAction::triggered, this, &TMDIChild::AddColumn1Click);
  connect(DeleteRow1, &QAction::triggered, this, &TMDIChild::DeleteRow1Click);
  connect(DeleteCoumn1, &QAction::triggered, this, &TMDIChild::DeleteCoumn1Click);
  // The window pops the menu up itself, from its mouse handling.
  setContextMenuPolicy(Qt::NoContextMenu);
}

// ---------------------------------------------------------------- building

void TMDIChild::ProgressSetUp() {
  if (Glintweave->UseProgressBar && ProgressDlg) {
    ProgressDlg->show();
    Pattern->SetProgressHandle(ProgressDlg);
  } else {
    Pattern->SetProgressHandle(nullptr);
  }
}

void TMDIChild::ProgressPhase(const QString& caption) {
  if (!ProgressDlg || !Pattern || Pattern->ProgressHandle() != ProgressDlg) return;
  ProgressDlg->StartPhase(caption);
}

void TMDIChild::ProgressDone() {
  if (Pattern) Pattern->SetProgressHandle(nullptr);
  if (ProgressDlg) ProgressDlg->hide();
}

bool TMDIChild::BuildNewChart() {
  const int height = Glintweave->NewHeight, width = Glintweave->NewWidth;
  if (height < 0 || width < 0 ||
      !TBeadPattern::LayoutFits(Glintweave->NewStyle, width, height, 1.0f, 1, 1)) {
    ShowError(QString::fromLatin1(ChartTooLargeText));
    return false;
  }
  ProgressSetUp();
  ProgressPhase(QStringLiteral("Creating Beads."));
  Pattern->SetBeadPatternHeight(static_cast<std::uint16_t>(height));
  Pattern->SetBeadPatternWidth(static_cast<std::uint16_t>(width));
  if (!DrawBitmap(true)) return false;
  if (!CreateNewBitmap()) return false;
  ProgressPhase(QStringLiteral("Drawing Bitmap"));
  DrawBitmap(false);
  ProgressDone();
  return true;
}

bool TMDIChild::BuildFromFile() {
  ProgressSetUp();
  ProgressPhase(QStringLiteral("Reading from file."));
  // The reader shows its own message and leaves the chart untouched.
  if (!Pattern->ReadPatternFile(Glintweave->PendingFileName)) return false;
  return FinishLoaded();
}

bool TMDIChild::BuildFromConversion() {
  Modified = true;
  ProgressSetUp();
  ProgressPhase(QStringLiteral("Converting To Glintweave Format."));
  if (!Glintweave->ConvertedBeads || Glintweave->ConvertedBeads->empty()) return false;
  if (!Pattern->ImportBeads(*Glintweave->ConvertedBeads)) return false;
  return FinishLoaded();
}

bool TMDIChild::FinishLoaded() {
  Pattern->SetIsZoom(true);
  Pattern->SetZoom(1.0f);
  ProgressPhase(QStringLiteral("Checking Data....."));
  if (ProgressDlg) ProgressDlg->ProgressBar1->setEnabled(false);
  UI().ProcessPendingEvents(false);
  if (!CreateNewBitmap()) return false;  // the relayout is part of it
  if (ProgressDlg && Pattern->ProgressHandle() == ProgressDlg)
    ProgressDlg->setWindowTitle(QStringLiteral("Drawing Bitmap....."));
  UI().ProcessPendingEvents(false);
  DrawBitmap(false);
  ProgressDone();
  return true;
}

// ---------------------------------------------------------------- drawing

bool TMDIChild::DrawBitmap(bool rebuild) {
  bool ok = true;
  const bool guarded = Guarded("Bitma Draw Failure ", [&] {
    if (rebuild) {
      ok = Pattern->NewPattern(Glintweave->NewStyle);
    } else {
      // The background, then every bead, in one pass over the picture.
      Pattern->RedrawAll(Bitmap);
    }
    RepaintChart();
  });
  return guarded && ok;
}

bool TMDIChild::CreateNewBitmap() {
  bool ok = false;
  Guarded("Create New BitMap failure", [&] {
    // A picture within 16-bit positions can still be 16 GiB; beyond what any
    // chart the program offers needs, it is refused before the relayout.
    const QSize size = Pattern->PictureSize();
    if (std::int64_t(size.width()) * size.height() * 4 > MaxPictureBytes) {
      ShowError(QStringLiteral("Create New BitMap failure"));
      return;
    }
    // The relayout refuses (and says so) a layout beyond 16-bit positions,
    // and then the old picture stays.
    if (!Pattern->MakeZoomList()) return;
    if (!Bitmap.SetSize(size.width(), size.height())) {
      ShowError(QStringLiteral("Create New BitMap failure"));
      return;
    }
    Dirty = QRect();
    ChartView->setFixedSize(size);
    FitToPicture();
    ok = true;
  });
  return ok;
}

void TMDIChild::RepaintChart() {
  if (PaintingSuspended) return;
  Guarded("Paint Failure ", [&] { ChartView->update(); });
}

void TMDIChild::FitToPicture() {
  QMdiArea* area = mdiArea();
  if (!area || isMinimized() || isMaximized()) return;
  ensurePolished();
  const QMargins m = contentsMargins();
  QSize want = ChartView->size() + QSize(m.left() + m.right(), m.top() + m.bottom());
  // Within the workspace, scrolling beyond it.
  const QSize room = area->viewport()->size();
  want = want.boundedTo(room);
  resize(want);
  QPoint at = pos();
  at.setX(std::max(0, std::min(at.x(), room.width() - want.width())));
  at.setY(std::max(0, std::min(at.y(), room.height() - want.height())));
  move(at);
}

void TMDIChild::SetToolCursor(const QCursor& cursor) { ChartView->setCursor(cursor); }

// ---------------------------------------------------------------- operations

void TMDIChild::SetPatternStyle(EPattern style) {
  Guarded("Set Pattern Failure ", [&] {
    ClearSelection();
    const EPattern old = Pattern->BeadPattern();
    Pattern->SetBaseBeadMade(false);
    Pattern->SetBeadPattern(style);
    Pattern->SetIsZoom(true);
    TWaitCursor wait;
    TBusy busy(*this);
    PaintingSuspended = true;
    ProgressSetUp();
    ProgressPhase(QStringLiteral("Setting up."));
    if (!CreateNewBitmap()) {
      // The chart keeps its layout.
      Pattern->SetBeadPattern(old);
      Pattern->MakeZoomList();
    }
    ProgressPhase(QStringLiteral("Drawing Bitmap"));
    PaintingSuspended = false;
    DrawBitmap(false);
    ProgressDone();
  });
}

void TMDIChild::SetGaps(int rowGap, int columnGap) {
  Guarded("Change BackGround Failure ", [&] {
    const auto oldTop = Pattern->BeadSlackTop(), oldSide = Pattern->BeadSlackSide();
    TBusy busy(*this);
    Pattern->SetBeadSlackTop(static_cast<std::uint16_t>(rowGap));
    Pattern->SetBeadSlackSide(static_cast<std::uint16_t>(columnGap));
    Pattern->SetIsZoom(true);
    if (!CreateNewBitmap()) {
      Pattern->SetBeadSlackTop(oldTop);
      Pattern->SetBeadSlackSide(oldSide);
      Pattern->MakeZoomList();
    }
    DrawBitmap(false);
  });
}

void TMDIChild::ChangeBackGround(TColor color) {
  Guarded("Change BackGround Failure ", [&] {
    Pattern->SetBackGround(color);
    for (TColorEntry& e : Pattern->BuiltInColors())
      if (e.NameText() == QLatin1String("BackGround")) e.SetColor(color);
    BackGroundColor = color;
    Pattern->RefreshBackGround(&Bitmap.Canvas());
    DrawBitmap(false);
  });
}

bool TMDIChild::SavePattern() {
  bool written = false;
  Guarded("Retrieve Link List Failure ", [&] {
    written = Pattern->WritePatternFile(FileName);
    // The history goes only with a file that holds the chart.
    if (written) Pattern->ClearUndo();
  });
  return written;
}

void TMDIChild::FormActivate() {
  if (!Pattern || !Glintweave) return;
  const TColorList& list = Pattern->ColorList();
  if (list.empty()) return;
  const int last = static_cast<int>(list.size()) - 1;
  PaintIndex = std::clamp(PaintIndex, 0, last);
  Glintweave->CurrentPaintColor = list[PaintIndex].ComponentColor();
  Glintweave->RefreshSwatch(Glintweave->PaintColor, Glintweave->CurrentPaintColor);
  FillIndex = std::clamp(FillIndex, 0, last);
  Glintweave->CurrentFillColor = list[FillIndex].ComponentColor();
  Glintweave->RefreshSwatch(Glintweave->FillColor, Glintweave->CurrentFillColor);
}

void TMDIChild::NCActivate(bool active) {
  Guarded("WndProc Failure", [&] {
    WindowActive = active;
    BackGroundColor = Pattern->BackGround();
    LastActiveChart = FileName;
    FormActivate();
    Glintweave->CheckStyleItem(Pattern->BeadPattern());
    Glintweave->CheckGapItems(Pattern->BeadSlackTop(), Pattern->BeadSlackSide());
  });
}

void TMDIChild::ClearSelection() {
  if (Selection.empty()) return;
  Selection.clear();
  RepaintChart();
}

// ---------------------------------------------------------------- closing

bool TMDIChild::ConfirmClose() {
  if (!Modified) return true;
  bool mayClose = false;
  Guarded("Form Close Failure ", [&] {
    const TAnswer answer = UI().MessageBox(
        QStringLiteral("You Have not saved your changes to ") + FileName +
            QStringLiteral(" \nDo you want to save before you Exit?"),
        QStringLiteral("Message Box"), TButtons::YesNoCancel, TIcon::Question);
    if (answer == TAnswer::Yes) {
      // A save that was cancelled or failed keeps the chart open.
      mayClose = Glintweave->save(this);
    } else {
      mayClose = answer == TAnswer::No;
    }
  });
  return mayClose;
}

bool TMDIChild::CloseWithoutAsking() {
  CloseConfirmed = true;
  const bool closed = close();
  CloseConfirmed = closed;
  return closed;
}

void TMDIChild::closeEvent(QCloseEvent* event) {
  // Never in the middle of its own construction or relayout.
  if (Busy() || (!CloseConfirmed && !ConfirmClose())) {
    event->ignore();
    return;
  }
  HasClosed = true;
  QMdiSubWindow::closeEvent(event);
  if (!event->isAccepted()) HasClosed = false;
}

void TMDIChild::Close1Click() { Glintweave->FileCloseItemClick(); }

void TMDIChild::Save1Click() { Glintweave->save(this); }
