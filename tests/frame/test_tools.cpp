// Tool selection: buttons, the shape popup, cursors given to chart windows.
#include "frame/GuiTest.h"

#include <QAction>
#include <QToolButton>

namespace {

class Tools : public GuiTest {
protected:
  QImage CursorImage(TMDIChild* child) { return child->View()->cursor().pixmap().toImage(); }
  QImage SlotImage(int slot) { return Glintweave->ScreenCursors[slot]->pixmap().toImage(); }
};

struct TToolCase {
  const char* Button;
  int Code;
  int Slot;  // 0: the arrow
};

TEST_F(Tools, EachButtonSelectsItsToolAndGivesEveryChartItsCursor) {
  TMDIChild* first = NewChart(5, 5);
  TMDIChild* second = NewChart(6, 4);
  ASSERT_TRUE(first && second);
  const TToolCase cases[] = {
      {"PaintBtn", 0, 7},   {"FillBtn", 1, 8},     {"ZoomInBtn", 2, 11}, {"EraseBtn", 3, 5},
      {"DeleteBtn", 5, 12}, {"EyeDropBtn", 7, 9},  {"ZoomOutBtn", 8, 10}, {"ArrowSpBtn", 16, 0},
  };
  for (const TToolCase& c : cases) {
    QTest::mouseClick(Glintweave->findChild<QToolButton*>(QString::fromLatin1(c.Button)),
                      Qt::LeftButton);
    EXPECT_EQ(Glintweave->ToolCode, c.Code) << c.Button;
    for (TMDIChild* child : {first, second}) {
      if (c.Slot == 0) {
        EXPECT_EQ(child->View()->cursor().shape(), Qt::ArrowCursor) << c.Button;
      } else {
        EXPECT_EQ(child->View()->cursor().shape(), Qt::BitmapCursor) << c.Button;
        EXPECT_EQ(child->View()->cursor().hotSpot(), Glintweave->ScreenCursors[c.Slot]->hotSpot());
        EXPECT_EQ(CursorImage(child), SlotImage(c.Slot)) << c.Button;
      }
    }
  }
}

TEST_F(Tools, ShapePopupSelectsTheShapeToolsWhichShareTheLineCursor) {
  TMDIChild* first = NewChart(5, 5);
  TMDIChild* second = NewChart(5, 5);
  struct {
    QAction* Item;
    int Kind, Code;
    const QPixmap* Glyph;
  } cases[] = {
      {Glintweave->Rectangel1, 0, 6, &Glintweave->RectGlyph},
      {Glintweave->Circle1, 1, 11, &Glintweave->CircleGlyph},
      {Glintweave->Line2, 3, 4, &Glintweave->LinesGlyph},
  };
  for (const auto& c : cases) {
    c.Item->trigger();
    EXPECT_EQ(Glintweave->ShapeKind, c.Kind);
    EXPECT_EQ(Glintweave->ToolCode, c.Code);
    EXPECT_TRUE(c.Item->isChecked());
    EXPECT_EQ(Glintweave->ShapeBtn->icon().pixmap(24, 24).toImage().convertToFormat(QImage::Format_RGB32),
              c.Glyph->toImage().convertToFormat(QImage::Format_RGB32));
    for (TMDIChild* child : {first, second}) EXPECT_EQ(CursorImage(child), SlotImage(6));
  }
  Glintweave->None2->trigger();
  EXPECT_EQ(Glintweave->ShapeKind, 4);
  EXPECT_EQ(Glintweave->ToolCode, 16);
  EXPECT_EQ(first->View()->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(Glintweave->ShapeBtn->icon().pixmap(24, 24).toImage().convertToFormat(QImage::Format_RGB32),
            Glintweave->AllShapesGlyph.toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(Tools, CodesNoToolOwnsBecomeTheNoToolCodeWithTheArrow) {
  TMDIChild* child = NewChart(3, 3);
  Glintweave->SelectSpeedBtn(0);
  Glintweave->SelectSpeedBtn(42);
  EXPECT_EQ(Glintweave->ToolCode, 10);
  EXPECT_EQ(child->View()->cursor().shape(), Qt::ArrowCursor);
  Glintweave->SelectSpeedBtn(13);  // delete-column shares the delete cursor
  EXPECT_EQ(Glintweave->ToolCode, 13);
  EXPECT_EQ(CursorImage(child), SlotImage(12));
}

TEST_F(Tools, ANewChartMakesTheSelectToolCurrent) {
  NewChart(4, 4);
  QTest::mouseClick(Glintweave->PaintBtn, Qt::LeftButton);
  ASSERT_EQ(Glintweave->ToolCode, 0);
  TMDIChild* later = NewChart(4, 4);
  EXPECT_EQ(Glintweave->ToolCode, 16);
  EXPECT_EQ(later->View()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Tools, MinimizeAllMinimisesEveryChart) {
  TMDIChild* charts[] = {NewChart(3, 3), NewChart(3, 3), NewChart(3, 3)};
  Glintweave->WindowMinimizeItem->trigger();
  for (TMDIChild* c : charts) EXPECT_TRUE(c->isMinimized());
}

TEST_F(Tools, MenuItemsFollowWhetherAnyChartIsOpen) {
  TMDIChild* child = NewChart(3, 3);
  for (QAction* a : {Glintweave->FileCloseItem, Glintweave->FileSaveItem, Glintweave->FileSaveAsItem,
                     Glintweave->WindowCascadeItem, Glintweave->WindowTileItem,
                     Glintweave->WindowArrangeItem, Glintweave->WindowMinimizeItem})
    EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
  EXPECT_TRUE(Glintweave->SaveBtn->isEnabled());
  EXPECT_FALSE(Glintweave->PrintBtn->isEnabled());
  Ui.Answers = {TAnswer::Yes};
  Glintweave->FileCloseItem->trigger();
  Settle();
  EXPECT_EQ(Glintweave->MDIChildCount(), 0);
  (void)child;
  for (QAction* a : {Glintweave->FileCloseItem, Glintweave->FileSaveItem, Glintweave->FileSaveAsItem,
                     Glintweave->WindowMinimizeItem})
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
  EXPECT_FALSE(Glintweave->SaveBtn->isEnabled());
}

}  // namespace
