// Tool selection, the shape popup, menu enabling and the Window menu.
#include "frame/Main.h"

#include "chartwindow/ChildWin.h"
#include "frame/about.h"

#include <QActionGroup>
#include <QMdiArea>
#include <QMenu>
#include <QToolButton>

#include <exception>

int TGlintweave::MDIChildCount() const {
  int n = 0;
  for (QMdiSubWindow* w : ClientArea->subWindowList()) {
    auto* child = qobject_cast<TMDIChild*>(w);
    if (child && !child->Closed()) ++n;
  }
  return n;
}

TMDIChild* TGlintweave::MDIChildren(int index) const {
  int n = 0;
  for (QMdiSubWindow* w : ClientArea->subWindowList()) {
    auto* child = qobject_cast<TMDIChild*>(w);
    if (!child || child->Closed()) continue;
    if (n++ == index) return child;
  }
  return nullptr;
}

TMDIChild* TGlintweave::ActiveMDIChild() const {
  auto* child = qobject_cast<TMDIChild*>(ClientArea->activeSubWindow());
  if (child && !child->Closed()) return child;
  return nullptr;
}

void TGlintweave::SelectSpeedBtn(int code) {
  try {
    const int count = MDIChildCount();
    if (count == 0) return;  // tool and cursors stay as they are
    // cursor slot of each tool code; 0: the arrow
    static const int cursorSlots[17] = {7, 8, 11, 5, 6, 12, 6, 9, 10, 0, 0, 6, 12, 12, 12, 12, 0};
    int stored = code;
    int slot = 0;
    if (code >= 0 && code <= 16 && code != 10) {
      slot = cursorSlots[code];
    } else {
      stored = 10;
    }
    const QCursor cursor =
        slot && ScreenCursors[slot] ? *ScreenCursors[slot] : QCursor(Qt::ArrowCursor);
    for (int i = count - 1; i >= 0; --i) {
      TMDIChild* child = MDIChildren(i);
      if (!child) continue;
      ToolCode = static_cast<std::uint8_t>(stored);
      child->SetToolCursor(cursor);
    }
  } catch (const std::exception&) {
    // a failing window ends the visit; the ones already done keep their cursor
  }
}

void TGlintweave::ShapeItemClick(std::uint8_t kind) {
  QAction* item = None2;
  const QPixmap* picture = &AllShapesGlyph;
  switch (kind) {
    case 0: item = Rectangel1; picture = &RectGlyph; break;
    case 1: item = Circle1; picture = &CircleGlyph; break;
    case 3: item = Line2; picture = &LinesGlyph; break;
    default: break;
  }
  item->setChecked(true);
  ShapeKind = kind;
  ShapeBtn->setIcon(QIcon(*picture));
  SelectShapeTool();
}

void TGlintweave::SelectShapeTool() {
  switch (ShapeKind) {
    case 0: SelectSpeedBtn(6); break;
    case 1: SelectSpeedBtn(11); break;
    case 3: SelectSpeedBtn(4); break;
    default: SelectSpeedBtn(16); break;
  }
}

void TGlintweave::UpdateMenuItems() {
  const bool any = MDIChildCount() > 0;
  for (QAction* a : {FileCloseItem, FileSaveItem, FileSaveAsItem, WindowCascadeItem,
                     WindowTileItem, WindowArrangeItem, WindowMinimizeItem})
    if (a) a->setEnabled(any);
  if (SaveBtn) SaveBtn->setEnabled(any);
}

void TGlintweave::CheckStyleItem(EPattern style) {
  switch (style) {
    case BPbrick: Brick1->setChecked(true); break;
    case BPpeyote: Peyote1->setChecked(true); break;
    case BPsquare: Square1->setChecked(true); break;
    case BP2DropPeyote: TwoDropPeyote1->setChecked(true); break;
    default: break;  // styles no menu offers leave the marks alone
  }
}

void TGlintweave::CheckGapItems(int rowGap, int columnGap) {
  // A gap no item names leaves no item of its menu checked.
  RowGapGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  ColumnGapGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (int n = 1; n <= 10; ++n) {
    RowGapItems[n - 1]->setChecked(n == rowGap);
    ColumnGapItems[n - 1]->setChecked(n == columnGap);
  }
  RowGapGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  ColumnGapGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

void TGlintweave::ChartActivated(QMdiSubWindow* window) {
  auto* child = qobject_cast<TMDIChild*>(window);
  if (LastActivated && LastActivated != child && !LastActivated->Closed())
    LastActivated->NCActivate(false);
  if (child && !child->Closed()) child->NCActivate(true);
  LastActivated = child;
  UpdateMenuItems();
}

void TGlintweave::WindowMinimizeItemClick() {
  for (int i = MDIChildCount() - 1; i >= 0; --i)
    if (TMDIChild* child = MDIChildren(i)) child->showMinimized();
}

void TGlintweave::FillWindowMenu() {
  // The Window menu also lists the open charts.
  for (QAction* a : WindowListItems) {
    Window1->removeAction(a);
    delete a;
  }
  WindowListItems.clear();
  const int count = MDIChildCount();
  if (count == 0) return;
  WindowListItems << Window1->addSeparator();
  TMDIChild* active = ActiveMDIChild();
  for (int i = 0; i < count; ++i) {
    TMDIChild* child = MDIChildren(i);
    QAction* a = Window1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(child->windowTitle()));
    a->setCheckable(true);
    a->setChecked(child == active);
    connect(a, &QAction::triggered, child, [this, child] { ClientArea->setActiveSubWindow(child); });
    WindowListItems << a;
  }
}

void TGlintweave::HelpAboutItemClick() {
  if (AboutBox) AboutBox->exec();
}
