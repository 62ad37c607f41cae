// Drawing a chart with the mouse through the real windows: QTest mouse and key
// events on the chart view at pixel positions taken from the bead rectangles,
// tools chosen from the tool bar and the shape popup, commands from the menus.
#include "frame/GuiTest.h"

#include <QMenu>
#include <QPaintEvent>
#include <QToolButton>

#include <set>

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Black = 0x000000;

// Records the parts of a widget that were painted.
class TPaintSpy : public QObject {
public:
  QRegion Painted;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

class Editing : public GuiTest {
protected:
  TMDIChild* Open(int width, int height, EPattern style = BPsquare) {
    TMDIChild* child = NewChart(width, height, style);
    EXPECT_NE(child, nullptr);
    Chart = child;
    View = child->findChild<QWidget*>(QStringLiteral("ChartView"));
    EXPECT_NE(View, nullptr);
    return child;
  }
  void Activate(TMDIChild* child) {
    Glintweave->ClientArea->setActiveSubWindow(child);
    Settle();
    Chart = child;
    View = child->findChild<QWidget*>(QStringLiteral("ChartView"));
  }

  TBeadPattern& Model() const { return *Chart->Pattern; }
  int Index(int row, int column) const { return row * Model().BeadPatternWidth() + column; }
  const StoredBead& Bead(int row, int column) const { return Model().Beads()[Index(row, column)]; }
  QPoint At(int row, int column) const {
    const StoredBead& b = Bead(row, column);
    return QPoint((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  }
  QRect Area(int row, int column) const {
    const StoredBead& b = Bead(row, column);
    return QRect(QPoint(b.Left, b.Top), QPoint(b.Right - 1, b.Bottom - 1));
  }
  TColor PixelOf(int row, int column) const {
    const StoredBead& b = Bead(row, column);
    return Chart->Bitmap.Pixel(b.Left + 2, b.Top + 2);
  }

  void Move(QPoint p) { QTest::mouseMove(View, p); }
  void Press(QPoint p, Qt::KeyboardModifiers keys = {}, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(View, b, keys, p);
  }
  void Release(QPoint p, Qt::KeyboardModifiers keys = {}, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(View, b, keys, p);
  }
  void Click(QPoint p, Qt::KeyboardModifiers keys = {}) {
    Move(p);
    Press(p, keys);
    Release(p, keys);
  }
  void Click(int row, int column, Qt::KeyboardModifiers keys = {}) { Click(At(row, column), keys); }
  void Drag(const std::vector<QPoint>& path) {
    Move(path.front());
    Press(path.front());
    for (std::size_t i = 1; i < path.size(); ++i) Move(path[i]);
    Release(path.back());
  }

  static void Button(const char* name) {
    auto* b = Glintweave->findChild<QToolButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  static void Menu(const char* name) {
    auto* a = Glintweave->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(a, nullptr) << name;
    a->trigger();
  }
  static void Shape(const char* item) { Menu(item); }

  std::vector<int> Painted() const {
    std::vector<int> out;
    for (int i = 0; i < int(Model().Beads().size()); ++i)
      if (Model().Beads()[i].State == BeadPainted) out.push_back(i);
    return out;
  }

  TMDIChild* Chart = nullptr;
  QWidget* View = nullptr;
};

// ---------------------------------------------------------------- paint

TEST_F(Editing, PaintClickPaintsTheBeadAndRepaintsOnlyItsRectangle) {
  Open(30, 30);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Red;
  Move(At(4, 4));
  Settle();
  TPaintSpy spy;
  View->installEventFilter(&spy);
  Press(At(4, 4));
  Release(At(4, 4));
  Settle();
  View->removeEventFilter(&spy);
  EXPECT_EQ(Bead(4, 4).Color, Red);
  EXPECT_EQ(PixelOf(4, 4), Red);
  EXPECT_TRUE(Chart->Modified);
  EXPECT_FALSE(spy.Painted.isEmpty());
  EXPECT_TRUE(Area(4, 4).contains(spy.Painted.boundingRect()))
      << spy.Painted.boundingRect().x() << "," << spy.Painted.boundingRect().y() << " "
      << spy.Painted.boundingRect().width() << "x" << spy.Painted.boundingRect().height();
}

TEST_F(Editing, PaintClickWithinTwoPixelsOfTheLastOneDoesNothing) {
  Open(10, 10);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Red;
  Click(At(2, 2));
  Glintweave->CurrentPaintColor = Blue;
  Click(At(2, 2) + QPoint(1, 2));
  EXPECT_EQ(Bead(2, 2).Color, Red);
  Click(At(2, 2) + QPoint(0, 3));
  EXPECT_EQ(Bead(2, 2).Color, Blue);
  // Two paint steps, undone one at a time back to the base bead.
  Menu("Undo1");
  EXPECT_EQ(Bead(2, 2).Color, Red);
  EXPECT_EQ(PixelOf(2, 2), Red);
  Menu("Undo1");
  EXPECT_EQ(Bead(2, 2).State, BeadBase);
  EXPECT_EQ(PixelOf(2, 2), Model().BaseBeadColor());
}

TEST_F(Editing, PaintDragGivesOneUndoStepPerBead) {
  Open(10, 10);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Green;
  Drag({At(3, 1), At(3, 2), At(3, 3), At(3, 4), At(3, 5)});
  EXPECT_EQ(Painted(), (std::vector<int>{31, 32, 33, 34, 35}));
  for (int c = 5; c >= 1; --c) {
    Menu("Undo1");
    EXPECT_EQ(Bead(3, c).State, BeadBase) << c;
    EXPECT_EQ(int(Painted().size()), c - 1);
  }
}

TEST_F(Editing, EraseClickAndDragMakeBaseBeads) {
  Open(10, 10);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Red;
  Drag({At(1, 1), At(1, 2), At(1, 3)});
  Button("EraseBtn");
  Drag({At(1, 1), At(1, 2)});
  EXPECT_EQ(Bead(1, 1).State, BeadBase);
  EXPECT_EQ(Bead(1, 2).State, BeadBase);
  EXPECT_EQ(Bead(1, 3).State, BeadPainted);
  EXPECT_EQ(Bead(1, 1).Color, Red);  // kept for undo
  Menu("Undo1");
  EXPECT_EQ(Bead(1, 2).State, BeadPainted);
  EXPECT_EQ(PixelOf(1, 2), Red);
}

// ---------------------------------------------------------------- fills

struct FillCase {
  const char* Item;
  std::vector<int> Filled;
};

class Fills : public Editing, public ::testing::WithParamInterface<FillCase> {};

// A 4 by 3 chart: bead 1 red, bead 2 removed, bead 5 green, bead 7 red.
TEST_P(Fills, FillEveryBeadTheModeAdmitsAndUndoAsOne) {
  const FillCase& c = GetParam();
  Open(4, 3);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Red;
  Click(0, 1);
  Click(1, 3);
  Glintweave->CurrentPaintColor = Green;
  Click(1, 1);
  Button("DeleteBtn");
  Click(0, 2);
  Menu(c.Item);
  Button("FillBtn");
  Glintweave->CurrentPaintColor = Red;
  Glintweave->CurrentFillColor = Blue;
  Click(2, 0);
  std::vector<int> filled;
  for (int i = 0; i < 12; ++i)
    if (Model().Beads()[i].State == BeadPainted && Model().Beads()[i].Color == Blue)
      filled.push_back(i);
  EXPECT_EQ(filled, c.Filled) << c.Item;
  EXPECT_EQ(Model().Beads()[2].State, BeadRemoved);
  for (int i : c.Filled) {
    const StoredBead& b = Model().Beads()[i];
    EXPECT_EQ(Chart->Bitmap.Pixel(b.Left + 2, b.Top + 2), Blue) << i;
  }
  Menu("Undo1");
  EXPECT_EQ(Bead(0, 1).Color, Red);
  EXPECT_EQ(Bead(1, 1).Color, Green);
  EXPECT_EQ(Bead(1, 3).Color, Red);
  EXPECT_EQ(Bead(0, 0).State, BeadBase);
  EXPECT_EQ(PixelOf(0, 0), Model().BaseBeadColor());
  EXPECT_EQ(PixelOf(1, 1), Green);
}

INSTANTIATE_TEST_SUITE_P(Modes, Fills,
                         ::testing::Values(FillCase{"Floodeverything1", {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
                                           FillCase{"FillOnlyBasebeads1", {0, 3, 4, 6, 8, 9, 10, 11}},
                                           FillCase{"ReplaceColor1", {1, 7}}),
                         [](const auto& info) { return std::string(info.param.Item); });

// ---------------------------------------------------------------- zoom

TEST_F(Editing, ZoomStepsWithinItsLimitsAndRebuildsThePicture) {
  Open(10, 10);
  Button("ZoomInBtn");
  const QSize start(Chart->Bitmap.Width(), Chart->Bitmap.Height());
  Click(2, 2);
  EXPECT_FLOAT_EQ(Model().Zoom(), 1.25f);
  EXPECT_GT(Chart->Bitmap.Width(), start.width());
  EXPECT_EQ(View->size(), QSize(Chart->Bitmap.Width(), Chart->Bitmap.Height()));
  for (int i = 0; i < 6; ++i) Click(2, 2);
  EXPECT_FLOAT_EQ(Model().Zoom(), 2.25f);
  const QSize largest(Chart->Bitmap.Width(), Chart->Bitmap.Height());
  // At the limit: nothing changes, but the selection still goes.
  Button("ArrowSpBtn");
  Click(1, 1, Qt::ControlModifier);
  ASSERT_EQ(Chart->Selection.size(), 1u);
  Button("ZoomInBtn");
  Click(3, 3);
  EXPECT_FLOAT_EQ(Model().Zoom(), 2.25f);
  EXPECT_EQ(QSize(Chart->Bitmap.Width(), Chart->Bitmap.Height()), largest);
  EXPECT_TRUE(Chart->Selection.empty());
  Button("ZoomOutBtn");
  for (int i = 0; i < 9; ++i) Click(0, 0);
  EXPECT_FLOAT_EQ(Model().Zoom(), 0.5f);
  EXPECT_LT(Chart->Bitmap.Width(), start.width());
  // The picture shows every bead at the new size.
  EXPECT_EQ(PixelOf(0, 0), Model().BaseBeadColor());
}

// ---------------------------------------------------------------- delete bead, eyedropper

TEST_F(Editing, DeleteBeadRemovesItAndUndoDrawsItAgain) {
  Open(10, 10);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Green;
  Click(5, 5);
  Button("DeleteBtn");
  Click(5, 5);
  EXPECT_EQ(Bead(5, 5).State, BeadRemoved);
  EXPECT_EQ(PixelOf(5, 5), Model().BackGround());
  Menu("Undo1");
  EXPECT_EQ(Bead(5, 5).State, BeadPainted);
  EXPECT_EQ(PixelOf(5, 5), Green);
}

TEST_F(Editing, EyedropperTakesTheShownColourIntoTheSwatch) {
  Open(10, 10);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Black;
  Click(1, 1);
  Glintweave->CurrentPaintColor = Red;
  Chart->Modified = false;
  Button("EyeDropBtn");
  Click(1, 1);
  // A black bead is a bead: its colour is taken.
  EXPECT_EQ(Glintweave->CurrentPaintColor, Black);
  EXPECT_EQ(Glintweave->PaintColor->pixmap().toImage().pixel(3, 3) & 0xFFFFFF, 0u);
  EXPECT_FALSE(Chart->Modified);
  Click(2, 2);
  EXPECT_EQ(Glintweave->CurrentPaintColor, Model().BaseBeadColor());
}

TEST_F(Editing, BlackBeadsCanBePaintedOverErasedAndRemoved) {
  Open(10, 10);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Black;
  Drag({At(0, 0), At(0, 1), At(0, 2)});
  Glintweave->CurrentPaintColor = Red;
  Click(At(0, 0) + QPoint(0, 3));  // off the drag's first click
  EXPECT_EQ(Bead(0, 0).Color, Red);
  Button("EraseBtn");
  Click(0, 1);
  EXPECT_EQ(Bead(0, 1).State, BeadBase);
  Button("DeleteBtn");
  Click(0, 2);
  EXPECT_EQ(Bead(0, 2).State, BeadRemoved);
}

TEST_F(Editing, StaggeredChartClicksActOnTheBeadUnderThePointer) {
  for (EPattern style : {BPpeyote, BP2DropPeyote, BPbrick}) {
    Open(8, 8, style);
    Button("PaintBtn");
    Glintweave->CurrentPaintColor = Red;
    // From the last bead back to the first, near the corners of each.
    for (int i = 63; i >= 0; i -= 9) {
      const StoredBead& b = Model().Beads()[i];
      Click(QPoint(b.Left + 1, b.Top + 1));
      ASSERT_FALSE(Model().UndoList().empty());
      EXPECT_EQ(Model().UndoList().back().Index, i) << int(style);
      EXPECT_EQ(Model().Beads()[i].Color, Red) << int(style) << " bead " << i;
    }
  }
}

// ---------------------------------------------------------------- highlight and read-out

TEST_F(Editing, HighlightAndReadOutFollowThePointerAndStayOutOfThePicture) {
  Open(10, 10);
  Button("ArrowSpBtn");
  Move(At(2, 5));
  Settle();
  EXPECT_EQ(Glintweave->Row2Lbl->text(), QStringLiteral("3"));
  EXPECT_EQ(Glintweave->Column2Lbl->text(), QStringLiteral("6"));
  const StoredBead& b = Bead(2, 5);
  // The outline is on the screen, one pixel outside the bead, not in Bitmap.
  const QImage screen = View->grab().toImage();
  EXPECT_EQ(screen.pixel(b.Left - 1, b.Top + 3) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(Chart->Bitmap.Pixel(b.Left - 1, b.Top + 3), Model().BackGround());
  Move(QPoint(1, 1));
  Settle();
  EXPECT_TRUE(Glintweave->Row2Lbl->text().isEmpty());
  EXPECT_TRUE(Glintweave->Column2Lbl->text().isEmpty());
  EXPECT_EQ(View->grab().toImage().pixel(b.Left - 1, b.Top + 3) & 0xFFFFFF,
            ToQRgb(Model().BackGround()) & 0xFFFFFF);
  // Switched off, no outline follows the pointer.
  Menu("BeadHighlight1");
  EXPECT_FALSE(Glintweave->BeadHighlight1->isChecked());
  Move(At(6, 6));
  Settle();
  const StoredBead& d = Bead(6, 6);
  EXPECT_EQ(View->grab().toImage().pixel(d.Left - 1, d.Top + 3) & 0xFFFFFF,
            ToQRgb(Model().BackGround()) & 0xFFFFFF);
  EXPECT_EQ(Glintweave->Row2Lbl->text(), QStringLiteral("7"));
}

TEST_F(Editing, RightClickPopsUpTheChartMenuAndDoesNoToolAction) {
  Open(10, 10);
  Button("PaintBtn");
  Move(At(3, 3));
  Press(At(3, 3), {}, Qt::RightButton);
  Release(At(3, 3), {}, Qt::RightButton);
  EXPECT_TRUE(Chart->PopupMenu1->isVisible());
  Chart->PopupMenu1->hide();
  EXPECT_TRUE(Painted().empty());
  EXPECT_FALSE(Chart->Modified);
}

// ---------------------------------------------------------------- shapes

struct LineCase {
  const char* Name;
  const char* Deviation;
  int R1, C1, R2, C2;
  std::vector<int> Expected;  // on a 20 by 20 square chart
};

class Lines : public Editing, public ::testing::WithParamInterface<LineCase> {};

TEST_P(Lines, DrawTheBeadsTheDeviationAdmitsAsOneUndoStep) {
  const LineCase& c = GetParam();
  Open(20, 20);
  Menu(c.Deviation);
  Shape("Line2");
  Glintweave->CurrentPaintColor = Red;
  Move(At(c.R1, c.C1));
  Press(At(c.R1, c.C1));
  Move(At(c.R2, c.C2));
  // Rubber-banded while held: outlined on the screen, nothing painted yet.
  EXPECT_TRUE(Painted().empty());
  Release(At(c.R2, c.C2));
  std::vector<int> got = Painted();
  std::vector<int> expected = c.Expected;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(got, expected) << c.Name;
  Menu("Undo1");
  EXPECT_TRUE(Painted().empty()) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Lines,
    ::testing::Values(LineCase{"row", "N0101", 0, 0, 0, 5, {0, 1, 2, 3, 4, 5}},
                      LineCase{"row_at_035", "N0351", 0, 0, 0, 5, {1, 2, 3, 4, 5}},
                      LineCase{"column", "N0101", 0, 0, 3, 0, {0, 20, 40, 60}},
                      LineCase{"diagonal", "N0101", 0, 0, 1, 1, {0, 21}},
                      LineCase{"back_to_the_anchor", "N0101", 2, 2, 2, 2, {}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Editing, LineRubberBandIsOverlayOnly) {
  Open(20, 20);
  Shape("Line2");
  Move(At(1, 1));
  Press(At(1, 1));
  Move(At(1, 6));
  Settle();
  const StoredBead& b = Bead(1, 3);
  const QImage screen = View->grab().toImage();
  EXPECT_EQ(screen.pixel(b.Left - 1, b.Top + 3) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(Chart->Bitmap.Pixel(b.Left - 1, b.Top + 3), Model().BackGround());
  Release(At(1, 6));
}

TEST_F(Editing, RectanglesWithAndWithoutInterior) {
  Open(20, 20);
  Shape("Rectangel1");
  Glintweave->CurrentPaintColor = Red;
  Glintweave->CurrentFillColor = Green;
  // Fill Polygons on: a three by three rectangle has one interior bead.
  Menu("FillPolygons1");
  ASSERT_TRUE(Glintweave->FillPolygons);
  Drag({At(0, 0), At(1, 1), At(2, 2)});
  EXPECT_EQ(Bead(1, 1).Color, Green);
  for (int i : {0, 1, 2, 20, 22, 40, 41, 42}) EXPECT_EQ(Model().Beads()[i].Color, Red) << i;
  EXPECT_EQ(Painted().size(), 9u);
  Menu("Undo1");
  EXPECT_TRUE(Painted().empty());
  // Two by two: no interior.
  Drag({At(5, 5), At(6, 6)});
  EXPECT_EQ(Painted(), (std::vector<int>{105, 106, 125, 126}));
  // Fill Polygons off: outline only.
  Menu("FillPolygons1");
  ASSERT_FALSE(Glintweave->FillPolygons);
  Drag({At(10, 10), At(12, 12), At(13, 14)});
  EXPECT_EQ(Bead(11, 11).State, BeadBase);
  EXPECT_EQ(Bead(10, 14).Color, Red);
  EXPECT_EQ(Bead(13, 10).Color, Red);
}

TEST_F(Editing, CirclesWithShiftAndEllipsesWithout) {
  Open(24, 24);
  Shape("Circle1");
  Glintweave->CurrentPaintColor = Red;
  // Shift held: three beads right and one down make a circle of three pitches.
  Move(At(10, 10));
  Press(At(10, 10));
  QTest::keyPress(View, Qt::Key_Shift);
  Move(At(11, 13));
  Release(At(11, 13));
  QTest::keyRelease(View, Qt::Key_Shift);
  const std::vector<int> round = Painted();
  const std::set<int> circle(round.begin(), round.end());
  for (int axis : {Index(10, 13), Index(10, 7), Index(12, 10), Index(8, 10)})
    EXPECT_TRUE(circle.count(axis)) << axis;
  EXPECT_EQ(Bead(10, 10).State, BeadBase);
  Menu("Undo1");
  EXPECT_TRUE(Painted().empty());
  // Without Shift: an ellipse through the bead dragged to.
  Drag({At(10, 10), At(12, 14)});
  const std::vector<int> flat = Painted();
  const std::set<int> ellipse(flat.begin(), flat.end());
  EXPECT_TRUE(ellipse.count(Index(10, 14)));
  EXPECT_TRUE(ellipse.count(Index(10, 6)));
  EXPECT_FALSE(ellipse.count(Index(7, 10)));
}

TEST_F(Editing, ShapeReleasedWithoutAPressOnABeadPaintsNothing) {
  Open(10, 10);
  Shape("Line2");
  Drag({QPoint(1, 1), At(0, 3), At(0, 6)});
  EXPECT_TRUE(Painted().empty());
}

// ---------------------------------------------------------------- undo and save

TEST_F(Editing, UndoGoesBackAsFarAsTheLastSave) {
  Open(10, 10);
  Chart->FileName = Path("kept.bfp");
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Red;
  Click(1, 1);
  Menu("FileSaveItem");
  ASSERT_FALSE(Chart->Modified);
  Glintweave->CurrentPaintColor = Green;
  Click(2, 2);
  EXPECT_TRUE(Chart->Modified);
  Menu("Undo1");
  EXPECT_EQ(Bead(2, 2).State, BeadBase);
  Menu("Undo1");  // nothing left: the saved bead stays
  EXPECT_EQ(Bead(1, 1).Color, Red);
  EXPECT_TRUE(Ui.Messages.empty());
}

TEST_F(Editing, EditCommandsWithoutAChartAskForOne) {
  for (const char* item : {"Undo1", "Copy1", "Cut1", "Past1", "PatternInformation1"}) {
    Ui.Clear();
    Menu(item);
    ASSERT_EQ(Ui.Messages.size(), 1u) << item;
    EXPECT_EQ(Ui.Messages[0].Text,
              QStringLiteral("A Bead Pattern Window must\n     be selected to try this."));
    EXPECT_TRUE(Ui.Messages[0].Plain);
  }
}

// ---------------------------------------------------------------- selection and clipboard

TEST_F(Editing, CtrlAndShiftSelectionWithMarksOnTheScreenOnly) {
  Open(10, 8);
  Button("ArrowSpBtn");
  Click(2, 3, Qt::ControlModifier);
  Click(4, 1, Qt::ControlModifier);
  ASSERT_EQ(Chart->Selection.size(), 2u);
  Settle();
  const StoredBead& b = Bead(2, 3);
  const QPoint middle((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  EXPECT_EQ(View->grab().toImage().pixel(middle) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(Chart->Bitmap.Pixel(middle.x(), middle.y()), Model().BaseBeadColor());
  // Ctrl on a selected bead takes it and its mark away.
  Click(2, 3, Qt::ControlModifier);
  ASSERT_EQ(Chart->Selection.size(), 1u);
  Settle();
  EXPECT_EQ(View->grab().toImage().pixel(middle) & 0xFFFFFF,
            ToQRgb(Model().BaseBeadColor()) & 0xFFFFFF);
  // A plain click clears; Shift spans a rectangle row by row.
  Click(0, 0);
  EXPECT_TRUE(Chart->Selection.empty());
  Click(1, 1, Qt::ShiftModifier);
  Click(3, 4, Qt::ShiftModifier);
  std::vector<int> got;
  for (const BeadRecord& r : Chart->Selection) got.push_back(r.Index);
  EXPECT_EQ(got, (std::vector<int>{11, 12, 13, 14, 21, 22, 23, 24, 31, 32, 33, 34}));
}

TEST_F(Editing, CopyAndPasteIntoAnotherChartOfAnotherWidth) {
  TMDIChild* source = Open(10, 8);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Red;
  Click(2, 3);
  Glintweave->CurrentPaintColor = Black;
  Click(4, 1);
  Button("ArrowSpBtn");
  Click(2, 3, Qt::ControlModifier);
  Click(4, 1, Qt::ControlModifier);
  EXPECT_FALSE(Glintweave->ClipLbl->isEnabled());
  source->Modified = false;
  Menu("Copy1");
  EXPECT_TRUE(Glintweave->ClipLbl->isEnabled());
  EXPECT_TRUE(source->Selection.empty());
  EXPECT_FALSE(source->Modified);
  ASSERT_EQ(Glintweave->BeadClipboard.size(), 2u);
  EXPECT_EQ(Glintweave->BeadClipboard[0].Row, 0);
  EXPECT_EQ(Glintweave->BeadClipboard[0].Column, 2);
  EXPECT_EQ(Glintweave->BeadClipboard[1].Row, 2);
  EXPECT_EQ(Glintweave->BeadClipboard[1].Column, 0);

  Open(14, 6, BPpeyote);
  Move(At(1, 5));
  Menu("Past1");
  EXPECT_EQ(Bead(1, 7).Color, Red);
  EXPECT_EQ(Bead(3, 5).Color, Black);
  EXPECT_EQ(Bead(3, 5).State, BeadPainted);
  EXPECT_EQ(PixelOf(1, 7), Red);
  EXPECT_EQ(Painted().size(), 2u);
  EXPECT_TRUE(Chart->Modified);
  Menu("Undo1");
  EXPECT_TRUE(Painted().empty());
}

TEST_F(Editing, PasteIsClippedAtTheRightAndBottomEdges) {
  Open(10, 10);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Green;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) Click(r, c);
  Button("ArrowSpBtn");
  Click(0, 0, Qt::ShiftModifier);
  Click(2, 2, Qt::ShiftModifier);
  Menu("Copy1");
  Open(6, 5);
  Move(At(3, 4));  // two columns and two rows left
  Menu("Past1");
  EXPECT_EQ(Painted(), (std::vector<int>{Index(3, 4), Index(3, 5), Index(4, 4), Index(4, 5)}));
}

TEST_F(Editing, CutOfRemovedBeadsLeavesThemRemovedAndPasteRemovesTargets) {
  TMDIChild* source = Open(8, 8);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Red;
  Click(0, 1);
  Button("DeleteBtn");
  Click(1, 0);
  Button("ArrowSpBtn");
  Click(0, 0, Qt::ShiftModifier);
  Click(1, 1, Qt::ShiftModifier);
  ASSERT_EQ(source->Selection.size(), 4u);
  source->Modified = false;
  Menu("Cut1");
  EXPECT_TRUE(source->Modified);
  EXPECT_EQ(Bead(0, 1).State, BeadBase);
  EXPECT_EQ(Bead(1, 0).State, BeadRemoved);
  Open(8, 8);
  Move(At(4, 4));
  Menu("Past1");
  EXPECT_EQ(Bead(4, 5).Color, Red);
  EXPECT_EQ(Bead(5, 4).State, BeadRemoved);
  EXPECT_EQ(PixelOf(5, 4), Model().BackGround());
  // The cut is one undo step of its own chart.
  Activate(source);
  Menu("Undo1");
  EXPECT_EQ(Bead(0, 1).Color, Red);
  EXPECT_EQ(Bead(0, 1).State, BeadPainted);
}

// ---------------------------------------------------------------- rows and columns

struct RowColumnCase {
  const char* Item;
  TAnswer Answer;
  int Width, Height;  // afterwards, from 6 by 5
};

class RowColumn : public Editing, public ::testing::WithParamInterface<RowColumnCase> {};

TEST_P(RowColumn, ConfirmedItemsActOnceAtTheNextClick) {
  const RowColumnCase& c = GetParam();
  Open(6, 5);
  Button("PaintBtn");
  Ui.Answers.push_back(c.Answer);
  Menu(c.Item);
  ASSERT_FALSE(Ui.Messages.empty());
  EXPECT_EQ(Ui.Messages.back().Text,
            QStringLiteral("I did not have the energy to implement undo\n  for this function.  "
                           "Do you want to proceed."));
  EXPECT_EQ(Ui.Messages.back().Caption, QStringLiteral("Error"));
  EXPECT_EQ(Ui.Messages.back().Buttons, TButtons::YesNoCancel);
  if (c.Answer != TAnswer::Yes) {
    EXPECT_EQ(Glintweave->ToolCode, PaintTool);
    return;
  }
  EXPECT_NE(Glintweave->ToolCode, PaintTool);
  Chart->Modified = false;
  Click(2, 3);
  EXPECT_EQ(Model().BeadPatternWidth(), c.Width);
  EXPECT_EQ(Model().BeadPatternHeight(), c.Height);
  EXPECT_EQ(Glintweave->ToolCode, SelectTool);
  EXPECT_TRUE(Chart->Modified);
  EXPECT_EQ(QSize(Chart->Bitmap.Width(), Chart->Bitmap.Height()), Model().PictureSize());
  EXPECT_EQ(View->size(), Model().PictureSize());
  Click(2, 3);  // the tool acted once
  EXPECT_EQ(Model().BeadPatternWidth(), c.Width);
  EXPECT_EQ(Model().BeadPatternHeight(), c.Height);
}

INSTANTIATE_TEST_SUITE_P(
    Items, RowColumn,
    ::testing::Values(RowColumnCase{"AddRow1", TAnswer::Yes, 6, 6},
                      RowColumnCase{"AddColumn1", TAnswer::Yes, 7, 5},
                      RowColumnCase{"DeleteRow1", TAnswer::Yes, 6, 4},
                      RowColumnCase{"DeleteCoumn1", TAnswer::Yes, 5, 5},
                      RowColumnCase{"DeleteRow1", TAnswer::No, 6, 5},
                      RowColumnCase{"DeleteCoumn1", TAnswer::Cancel, 6, 5}),
    [](const auto& info) {
      return std::string(info.param.Item) + (info.param.Answer == TAnswer::Yes ? "_Yes"
                                             : info.param.Answer == TAnswer::No ? "_No"
                                                                                : "_Cancel");
    });

TEST_F(Editing, UndoAfterARowEditRestoresTheBeadsTheUndoneChangeTouched) {
  Open(6, 6);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = Red;
  Click(4, 2);
  Chart->findChild<QAction*>(QStringLiteral("AddRow1"))->trigger();
  Click(1, 0);  // the painted bead moves down to row 5
  ASSERT_EQ(Bead(5, 2).Color, Red);
  Menu("Undo1");
  EXPECT_TRUE(Painted().empty());
  EXPECT_EQ(PixelOf(5, 2), Model().BaseBeadColor());
}

// ---------------------------------------------------------------- pattern information

TEST_F(Editing, PatternInformationReportsSizesAndTotal) {
  Open(30, 30);
  Menu("PatternInformation1");
  ASSERT_EQ(Ui.Messages.size(), 1u);
  EXPECT_TRUE(Ui.Messages[0].Plain);
  const QString expected = QStringLiteral("Width in beads .... 30\n"
                                          "Height in beads ... 30\n"
                                          "Bitmap Width ...... %1\n"
                                          "Bitmap Height ..... %2\n"
                                          "Total Beads ....... 900\n")
                               .arg(Chart->Bitmap.Width())
                               .arg(Chart->Bitmap.Height());
  EXPECT_EQ(Ui.Messages[0].Text, expected);
  EXPECT_EQ(Chart->Bitmap.Width(), 218);
  EXPECT_EQ(Chart->Bitmap.Height(), 310);
}

}  // namespace

namespace {

// One chart drawn with every tool in turn. With GLINTWEAVE_SCREENSHOT set to a
// file name, the frame is also saved there as a picture to look at.
TEST_F(Editing, EveryToolOnOneChart) {
  Open(24, 18, BPpeyote);
  const int width = 24;
  auto painted = [&](int r, int c) { return Bead(r, c).State == BeadPainted; };
  // Fill everything pale, then draw over it.
  Menu("Floodeverything1");
  Button("FillBtn");
  Glintweave->CurrentFillColor = MakeColor(250, 240, 200);
  Click(0, 0);
  Button("PaintBtn");
  Glintweave->CurrentPaintColor = MakeColor(200, 30, 30);
  Drag({At(1, 1), At(1, 2), At(2, 3), At(2, 4), At(3, 5)});
  Shape("Line2");
  Glintweave->CurrentPaintColor = MakeColor(20, 20, 160);
  Drag({At(16, 1), At(10, 8), At(5, 12)});
  Menu("FillPolygons1");
  Shape("Rectangel1");
  Glintweave->CurrentPaintColor = Black;
  Glintweave->CurrentFillColor = MakeColor(30, 160, 60);
  Drag({At(9, 14), At(12, 18), At(15, 22)});
  Shape("Circle1");
  Glintweave->CurrentPaintColor = MakeColor(150, 40, 170);
  Drag({At(5, 6), At(7, 8), At(8, 10)});
  Button("EraseBtn");
  Click(1, 2);
  Button("DeleteBtn");
  Click(0, 23);
  Click(1, 23);
  Button("EyeDropBtn");
  Click(12, 18);
  EXPECT_EQ(Glintweave->CurrentPaintColor, MakeColor(30, 160, 60));
  Button("PaintBtn");
  Click(0, 12);
  Button("ArrowSpBtn");
  Click(1, 1, Qt::ShiftModifier);
  Click(2, 4, Qt::ShiftModifier);
  Menu("Copy1");
  Move(At(14, 2));
  Menu("Past1");
  Chart->findChild<QAction*>(QStringLiteral("AddColumn1"))->trigger();
  Click(4, 20);
  Button("ZoomInBtn");
  Click(3, 3);
  Button("ArrowSpBtn");
  Click(14, 2, Qt::ControlModifier);
  Move(At(9, 9));
  Settle();

  EXPECT_EQ(Model().BeadPatternWidth(), width + 1);
  EXPECT_TRUE(painted(1, 1));
  EXPECT_FALSE(painted(1, 2) && Bead(1, 2).Color == MakeColor(200, 30, 30));
  EXPECT_EQ(Bead(0, 24).State, BeadRemoved);
  EXPECT_EQ(Bead(0, 12).Color, MakeColor(30, 160, 60));
  EXPECT_EQ(Bead(14, 2).Color, Bead(1, 1).Color);
  EXPECT_FLOAT_EQ(Model().Zoom(), 1.25f);
  EXPECT_EQ(Chart->Selection.size(), 1u);

  const QByteArray shot = qgetenv("GLINTWEAVE_SCREENSHOT");
  if (!shot.isEmpty()) {
    Glintweave->resize(900, 700);
    Chart->FitToPicture();
    Settle();
    EXPECT_TRUE(Glintweave->grab().save(QString::fromLocal8Bit(shot)));
  }
}

}  // namespace
