// The program as it starts: forms, frame state, menus, tool bar, status bar, resources.
#include "frame/GuiTest.h"

#include "conversion/ScanForm.h"
#include "frame/FillMenuForm.h"
#include "frame/about.h"
#include "palette/ColorBox.h"
#include "palette/Pallet.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

class StartUp : public GuiTest {};

TEST_F(StartUp, EveryFormExistsOnceWithItsCaption) {
  const std::pair<QWidget*, const char*> forms[] = {
      {Glintweave, "Glintweave"}, {AboutBox, "About"},        {FillMenu, "Fill Menu"},
      {PatternSize_f, "New Pattern"}, {Scan_f, "Convert an a image"}, {ProgressDlg, "Progress"},
      {PalletChange, "Pallet"},   {ColorSelect, "ColorSelect"},
  };
  for (const auto& [form, caption] : forms) {
    ASSERT_NE(form, nullptr) << caption;
    EXPECT_EQ(form->windowTitle(), QString::fromLatin1(caption));
  }
  EXPECT_TRUE(Glintweave->isVisible());
  EXPECT_FALSE(ProgressDlg->isVisible());
  EXPECT_EQ(Glintweave->size(), QSize(611, 446));
}

TEST_F(StartUp, EditingStateStartsAsTheFrameDefines) {
  EXPECT_EQ(Glintweave->ToolCode, 0);
  EXPECT_EQ(Glintweave->ShapeKind, 4);
  EXPECT_EQ(Glintweave->CurrentPaintColor, 0xFF0000u);
  EXPECT_EQ(Glintweave->CurrentFillColor, 0xFF0000u);
  EXPECT_EQ(Glintweave->FillMode, 1);
  EXPECT_FLOAT_EQ(Glintweave->LineDeviation, 0.1f);
  EXPECT_FALSE(Glintweave->FillPolygons);
  EXPECT_TRUE(Glintweave->UseProgressBar);
  EXPECT_EQ(Glintweave->CreateMode, 0);
  EXPECT_EQ(Glintweave->NewHeight, 0);
  EXPECT_EQ(Glintweave->NewWidth, 0);
  EXPECT_TRUE(Glintweave->PendingFileName.isEmpty());
  ASSERT_TRUE(Glintweave->ConvertedBeads);
  EXPECT_TRUE(Glintweave->ConvertedBeads->empty());
  EXPECT_TRUE(Glintweave->BeadClipboard.empty());
  EXPECT_EQ(Glintweave->MDIChildCount(), 0);
}

struct TMenuItemCase {
  const char* Name;
  const char* Caption;
  const char* Shortcut;
  bool Checkable, Checked, Enabled;
};

TEST_F(StartUp, MenuItemsHaveTheirCaptionsShortcutsAndStates) {
  const TMenuItemCase cases[] = {
      {"FileNewItem", "&New", "Ctrl+N", false, false, true},
      {"Convert1", "Convert ", "Ctrl+A", false, false, true},
      {"FileOpenItem", "&Open", "Ctrl+O", false, false, true},
      {"FileCloseItem", "&Close", "", false, false, false},
      {"FileSaveItem", "&Save", "Ctrl+S", false, false, false},
      {"FileSaveAsItem", "Save &As...", "", false, false, false},
      {"FileExitItem", "E&xit", "", false, false, true},
      {"Undo1", "&Undo", "Ctrl+Z", false, false, true},
      {"Copy1", "&Copy", "Ctrl+C", false, false, true},
      {"Cut1", "&Cut", "Ctrl+X", false, false, true},
      {"Past1", "&Past", "Ctrl+V", false, false, true},
      {"Brick1", "&Brick", "", true, false, true},
      {"Peyote1", "&Peyote", "", true, false, true},
      {"Square1", "&Square", "", true, true, true},
      {"TwoDropPeyote1", "TwoDrop Peyote", "", true, false, true},
      {"ChangePaintPallete1", "Change Paint Color", "", false, false, true},
      {"ChangeFillPalette1", "Change Fill Color", "", false, false, true},
      {"ChangePalette1", "Modify Palette", "", false, false, true},
      {"ChangeBackGround1", "Change BackGround", "", false, false, true},
      {"HighlightColor1", "Highlight Color", "", false, false, true},
      {"Solid1", "Solid", "", true, true, true},
      {"Dot1", "Dot", "", true, false, true},
      {"BeadHighlight1", "&BeadHighlight", "", true, true, true},
      {"N11", "1", "", true, true, true},
      {"N51", "5", "", true, false, true},
      {"N101", "10", "", true, false, true},
      {"N12", "1", "", true, true, true},
      {"N102", "10", "", true, false, true},
      {"UseProgressBar1", "Use Progress Bar", "", true, true, true},
      {"WindowCascadeItem", "&Cascade", "", false, false, false},
      {"WindowTileItem", "&Tile", "", false, false, false},
      {"WindowArrangeItem", "&Arrange Icons", "", false, false, false},
      {"WindowMinimizeItem", "&Minimize All", "", false, false, false},
      {"ReplaceColor1", "&Replace Color", "", true, false, true},
      {"FillOnlyBasebeads1", "&Fill Only Basebeads", "", true, true, true},
      {"Floodeverything1", "Flood &Everything", "", true, false, true},
      {"N0051", "0.05", "", true, false, true},
      {"N0101", "0.10", "", true, true, true},
      {"N0351", "0.35", "", true, false, true},
      {"FillPolygons1", "Fill Polygons", "", true, false, true},
      {"HelpAboutItem", "&About", "", false, false, true},
      {"PatternInformation1", "Pattern Information", "", false, false, true},
  };
  for (const TMenuItemCase& c : cases) {
    auto* a = Glintweave->findChild<QAction*>(QString::fromLatin1(c.Name));
    ASSERT_NE(a, nullptr) << c.Name;
    EXPECT_EQ(a->text(), QString::fromLatin1(c.Caption)) << c.Name;
    EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.Shortcut))) << c.Name;
    EXPECT_EQ(a->isCheckable(), c.Checkable) << c.Name;
    EXPECT_EQ(a->isChecked(), c.Checked) << c.Name;
    EXPECT_EQ(a->isEnabled(), c.Enabled) << c.Name;
  }
}

TEST_F(StartUp, MenusAndSubmenusSitWhereTheFrameHasThem) {
  const std::pair<const char*, const char*> menus[] = {
      {"File1", "&File"},       {"Edit1", "&Edit"},        {"Pattern1", "&Pattern"},
      {"Options1", "&Options"}, {"Draw1", "&Draw"},        {"Help1", "&Information"},
      {"Style1", "S&tyle"},     {"RowGap1", "Row Gap"},    {"ColumnGap1", "Column Gap"},
      {"Window1", "&Window"},   {"Fill1", "&Flood Fill"},  {"LineDevation1", "&LineDevation"},
      {"ChangeBeadHighlightColor1", "Change Bead Highlight"}, {"Style2", "Style"},
  };
  for (const auto& [name, caption] : menus) {
    auto* m = Glintweave->findChild<QMenu*>(QString::fromLatin1(name));
    ASSERT_NE(m, nullptr) << name;
    EXPECT_EQ(m->title(), QString::fromLatin1(caption)) << name;
  }
  // The Window submenu belongs to Options.
  EXPECT_EQ(Glintweave->Window1->menuAction()->associatedObjects().contains(Glintweave->Options1), true);
  EXPECT_EQ(Glintweave->RowGap1->actions().size(), 10);
  EXPECT_EQ(Glintweave->LineDevation1->actions().size(), 7);
}

struct TButtonCase {
  const char* Name;
  const char* Hint;
  int Left;
  bool Enabled;
};

TEST_F(StartUp, ToolBarButtonsSitInTheirSlotsWithTheirHints) {
  const TButtonCase cases[] = {
      {"OpenBtn", "Open", 1, true},          {"NewBtn", "New", 26, true},
      {"SaveBtn", "Save", 51, false},        {"ExitBtn", "Exit", 76, true},
      {"PrintBtn", "Print", 126, false},     {"PaintBtn", "Paint", 176, true},
      {"EyeDropBtn", "Pickup Color", 201, true}, {"FillBtn", "Fill", 226, true},
      {"EraseBtn", "Erase", 251, true},      {"ShapeBtn", "Draw Shapes", 276, true},
      {"ZoomInBtn", "Zoom", 326, true},      {"ZoomOutBtn", "Zoom Out", 351, true},
      {"DeleteBtn", "Delete", 401, true},    {"ArrowSpBtn", "", 450, true},
  };
  for (const TButtonCase& c : cases) {
    auto* b = Glintweave->findChild<QToolButton*>(QString::fromLatin1(c.Name));
    ASSERT_NE(b, nullptr) << c.Name;
    EXPECT_EQ(b->toolTip(), QString::fromLatin1(c.Hint)) << c.Name;
    EXPECT_TRUE(b->statusTip().isEmpty()) << c.Name;
    EXPECT_EQ(b->geometry(), QRect(c.Left, 1, 25, 25)) << c.Name;
    EXPECT_EQ(b->isEnabled(), c.Enabled) << c.Name;
    EXPECT_TRUE(b->autoRaise()) << c.Name;
  }
  EXPECT_EQ(Glintweave->ToolBar->height(), 27);
}

TEST_F(StartUp, StatusBarShowsEmptyPositionsGreyClipboardAndBlueSwatches) {
  EXPECT_EQ(Glintweave->StatusBar->height(), 22);
  EXPECT_EQ(Glintweave->Row1Lbl->text(), QStringLiteral("Row : "));
  EXPECT_EQ(Glintweave->Column1Lbl->text(), QStringLiteral("Column : "));
  EXPECT_TRUE(Glintweave->Row2Lbl->text().isEmpty());
  EXPECT_TRUE(Glintweave->Column2Lbl->text().isEmpty());
  EXPECT_EQ(Glintweave->Row1Lbl->x(), 5);
  EXPECT_GE(Glintweave->Row1Lbl->width(), 40);  // wider only where the font needs it
  EXPECT_GE(Glintweave->Row1Lbl->width(), Glintweave->Row1Lbl->sizeHint().width());
  EXPECT_EQ(Glintweave->Row2Lbl->x(), Glintweave->Row1Lbl->x() + Glintweave->Row1Lbl->width() + 5);
  EXPECT_EQ(Glintweave->Column1Lbl->x(), 85);
  EXPECT_EQ(Glintweave->ClipLbl->text(), QStringLiteral("Clipboard"));
  EXPECT_FALSE(Glintweave->ClipLbl->isEnabled());
  EXPECT_TRUE(Glintweave->ClipLbl->font().bold());
  EXPECT_EQ(Glintweave->PaintLbl->text(), QStringLiteral("Paint"));
  EXPECT_EQ(Glintweave->FillLbl->text(), QStringLiteral("Fill"));
  EXPECT_EQ(Glintweave->Row1Lbl->font().pixelSize(), 16);
  for (QLabel* swatch : {static_cast<QLabel*>(Glintweave->PaintColor),
                         static_cast<QLabel*>(Glintweave->FillColor)}) {
    EXPECT_EQ(swatch->height(), 13);
    const QImage shown = swatch->pixmap().toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() - 1), QColor(0, 0, 255));
  }
  const int barWidth = Glintweave->StatusBar->width();
  EXPECT_EQ(Glintweave->PaintColor->x(), barWidth - 130);
  EXPECT_EQ(Glintweave->FillColor->x(), barWidth - 50);
}

TEST_F(StartUp, CursorsAndGlyphsAreLoadedWithTheirSizesAndHotSpots) {
  const std::pair<int, QPoint> hotSpots[] = {
      {5, {8, 25}},  {6, {16, 16}},  {7, {12, 28}},  {8, {3, 29}},
      {9, {8, 23}},  {10, {15, 15}}, {11, {15, 15}}, {12, {14, 16}},
  };
  for (const auto& [slot, hot] : hotSpots) {
    ASSERT_TRUE(Glintweave->ScreenCursors[slot].has_value()) << slot;
    EXPECT_EQ(Glintweave->ScreenCursors[slot]->hotSpot(), hot) << slot;
    EXPECT_EQ(Glintweave->ScreenCursors[slot]->pixmap().size(), QSize(32, 32)) << slot;
  }
  for (const QPixmap* glyph : {&Glintweave->RectGlyph, &Glintweave->LinesGlyph,
                               &Glintweave->CircleGlyph, &Glintweave->AllShapesGlyph})
    EXPECT_EQ(glyph->size(), QSize(24, 24));
  EXPECT_EQ(Glintweave->ShapeBtn->icon().pixmap(24, 24).toImage(),
            Glintweave->AllShapesGlyph.toImage().convertToFormat(
                Glintweave->ShapeBtn->icon().pixmap(24, 24).toImage().format()));
  EXPECT_FALSE(Glintweave->windowIcon().isNull());
}

TEST_F(StartUp, AboutBoxShowsNameAndVersionAndClosesWithOk) {
  bool shown = false;
  WhenModal([&] {
    shown = AboutBox->isVisible();
    EXPECT_EQ(AboutBox->ProductName->text(), QStringLiteral("Glintweave"));
    EXPECT_EQ(AboutBox->Version->text(), QStringLiteral("Beta 1.0"));
    EXPECT_TRUE(AboutBox->OKButton->isDefault());
    QTest::mouseClick(AboutBox->OKButton, Qt::LeftButton);
  });
  Glintweave->HelpAboutItem->trigger();
  EXPECT_TRUE(shown);
  EXPECT_EQ(AboutBox->result(), QDialog::Accepted);
  EXPECT_FALSE(AboutBox->isVisible());
  EXPECT_EQ(AboutBox->size(), QSize(298, 218));
}

TEST_F(StartUp, ShapeAndToolButtonsWithoutAChartChangeNoTool) {
  for (const char* name : {"PaintBtn", "FillBtn", "EraseBtn", "ZoomInBtn", "ZoomOutBtn",
                           "DeleteBtn", "EyeDropBtn", "ArrowSpBtn"}) {
    QTest::mouseClick(Glintweave->findChild<QToolButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    EXPECT_EQ(Glintweave->ToolCode, 0) << name;
  }
  // The shape popup still records the choice and shows it on the button.
  Glintweave->Rectangel1->trigger();
  EXPECT_EQ(Glintweave->ShapeKind, 0);
  EXPECT_TRUE(Glintweave->Rectangel1->isChecked());
  EXPECT_EQ(Glintweave->ShapeBtn->icon().pixmap(24, 24).toImage().pixel(4, 6),
            Glintweave->RectGlyph.toImage().pixel(4, 6));
  EXPECT_EQ(Glintweave->ToolCode, 0);
}

}  // namespace
