#pragma once
// TGlintweave: the main frame. It owns the application-wide editing state that
// chart windows read when they handle input, the fields a chart window reads
// while it is built, the bead clipboard, and the menus, tool bar and status bar.
//
//   Main.cpp        construction: menus, tool bar, status bar, resources
//   Main_Tools.cpp  tool selection, the shape popup, menu enabling, Window menu
//   Main_File.cpp   New, Open, Save, Save As, Close, Exit and closing the frame
//   Main_Edit.cpp   Edit menu, the Draw options the tools read, bead highlight,
//                   pattern information
#include "model/Beads_Classes.h"

#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolButton;
class TMDIChild;

// A status bar label or swatch that answers a click.
class TClickLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;
signals:
  void clicked();
protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// A bevel of the status bar: a raised line down its left edge, or a box.
class TBevel : public QWidget {
  Q_OBJECT
public:
  enum TShape { LeftLine, Box };
  TBevel(TShape shape, QWidget* parent);
protected:
  void paintEvent(QPaintEvent* event) override;
private:
  TShape Shape;
};

class TGlintweave : public QMainWindow {
  Q_OBJECT
public:
  explicit TGlintweave(QWidget* parent = nullptr);
  ~TGlintweave() override;

  // ---- application-wide editing state, read by the chart windows
  std::uint8_t ToolCode = 0;  // only SelectSpeedBtn writes it
  std::uint8_t ShapeKind = 4;
  TColor CurrentPaintColor = 0xFF0000;
  TColor CurrentFillColor = 0xFF0000;
  std::uint8_t FillMode = 1;
  float LineDeviation = 0.1f;
  bool FillPolygons = false;
  bool UseProgressBar = true;

  // ---- what the next chart window is built from
  std::uint8_t CreateMode = 0;  // 0 new, 1 conversion result, 2 pattern file
  std::int16_t NewHeight = 0;
  std::int16_t NewWidth = 0;
  EPattern NewStyle = BPbrick;
  QString PendingFileName;
  // The conversion window's result list after a conversion (shared, not copied).
  std::shared_ptr<::ConvertedBeads> ConvertedBeads;
  // The bead clipboard all charts share.
  std::vector<BeadRecord> BeadClipboard;

  QPixmap RectGlyph, LinesGlyph, CircleGlyph, AllShapesGlyph;
  // Cursor slots 5 to 12; a slot whose cursor did not load stays empty.
  std::array<std::optional<QCursor>, 13> ScreenCursors;

  // ---- components, named as the forms name them
  QMdiArea* ClientArea = nullptr;
  QMenu *File1 = nullptr, *Edit1 = nullptr, *Pattern1 = nullptr, *Options1 = nullptr,
        *Draw1 = nullptr, *Help1 = nullptr;
  QAction *FileNewItem = nullptr, *Convert1 = nullptr, *FileOpenItem = nullptr,
          *FileCloseItem = nullptr, *FileSaveItem = nullptr, *FileSaveAsItem = nullptr,
          *FileExitItem = nullptr;
  QAction *Undo1 = nullptr, *Copy1 = nullptr, *Cut1 = nullptr, *Past1 = nullptr;
  QMenu* Style1 = nullptr;
  QAction *Brick1 = nullptr, *Peyote1 = nullptr, *Square1 = nullptr, *TwoDropPeyote1 = nullptr;
  QAction *ChangePaintPallete1 = nullptr, *ChangeFillPalette1 = nullptr,
          *ChangePalette1 = nullptr, *ChangeBackGround1 = nullptr;
  QMenu *ChangeBeadHighlightColor1 = nullptr, *Style2 = nullptr;
  QAction *HighlightColor1 = nullptr, *Solid1 = nullptr, *Dot1 = nullptr,
          *BeadHighlight1 = nullptr;
  QMenu *RowGap1 = nullptr, *ColumnGap1 = nullptr;
  std::array<QAction*, 10> RowGapItems{};     // N11 ... N101
  std::array<QAction*, 10> ColumnGapItems{};  // N12 ... N102
  QAction* UseProgressBar1 = nullptr;
  QMenu* Window1 = nullptr;
  QAction *WindowCascadeItem = nullptr, *WindowTileItem = nullptr,
          *WindowArrangeItem = nullptr, *WindowMinimizeItem = nullptr;
  QMenu *Fill1 = nullptr, *LineDevation1 = nullptr;
  QAction *ReplaceColor1 = nullptr, *FillOnlyBasebeads1 = nullptr, *Floodeverything1 = nullptr;
  std::array<QAction*, 7> LineDeviationItems{};  // N0051 ... N0351
  QAction* FillPolygons1 = nullptr;
  QAction *HelpAboutItem = nullptr, *PatternInformation1 = nullptr;

  QWidget* ToolBar = nullptr;
  QToolButton *OpenBtn = nullptr, *NewBtn = nullptr, *SaveBtn = nullptr, *ExitBtn = nullptr,
              *PrintBtn = nullptr, *PaintBtn = nullptr, *EyeDropBtn = nullptr,
              *FillBtn = nullptr, *EraseBtn = nullptr, *ShapeBtn = nullptr,
              *ZoomInBtn = nullptr, *ZoomOutBtn = nullptr, *DeleteBtn = nullptr,
              *ArrowSpBtn = nullptr;
  QMenu* ShapePopMnu = nullptr;
  QAction *Rectangel1 = nullptr, *Circle1 = nullptr, *Line2 = nullptr, *None2 = nullptr;

  QWidget* StatusBar = nullptr;
  QLabel *Row1Lbl = nullptr, *Row2Lbl = nullptr, *Column1Lbl = nullptr, *Column2Lbl = nullptr,
         *ClipLbl = nullptr, *PaintLbl = nullptr;
  TClickLabel *PaintColor = nullptr, *FillLbl = nullptr, *FillColor = nullptr;
  TBevel *FirstBevel = nullptr, *SecndBevel = nullptr, *PaintInnerBvl = nullptr,
         *FillInnerBvl = nullptr, *PaintOuterBvl = nullptr, *FillOuterBvl = nullptr;

  // ---- chart windows
  int MDIChildCount() const;
  TMDIChild* MDIChildren(int index) const;  // in the workspace's creation order
  TMDIChild* ActiveMDIChild() const;

  // ---- tools (Main_Tools.cpp)
  void SelectSpeedBtn(int code);
  void SelectShapeTool();
  void ShapeItemClick(std::uint8_t kind);
  void UpdateMenuItems();
  // Fills a swatch with a colour (outline and interior).
  void RefreshSwatch(QLabel* swatch, TColor color);
  // The style and gap marks that follow the active chart.
  void CheckStyleItem(EPattern style);
  void CheckGapItems(int rowGap, int columnGap);
  void WindowMinimizeItemClick();
  void HelpAboutItemClick();

  // ---- file commands (Main_File.cpp)
  void NewFile();
  void OpenFile();
  // Each returns true when the chart was written (as a pattern file or picture).
  bool save();
  bool save(TMDIChild* child);
  bool saveAs();
  bool saveAs(TMDIChild* child);
  bool SaveUnder(TMDIChild* child, const QString& name);
  void FileCloseItemClick();
  void FileExitItemClick();
  TMDIChild* CreateMDIChild(const QString& name);

  // ---- edit commands and drawing options (Main_Edit.cpp)
  void ConnectEditCommands();
  void Undo1Click();
  void Copy1Click();
  void Cut1Click();
  void Past1Click();
  void BeadHighlight1Click();
  void PatternInformation1Click();

  // The plain message of every command that needs a chart window and finds none.
  static void ShowChartRequired();
  // The part of a file name after its last folder separator.
  static QString CaptionOf(const QString& fileName);
  // The three characters after the last ".", lower case; without a ".", the first three.
  static QString ExtensionOf(const QString& fileName);

protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void LoadResources();
  void ChartActivated(QMdiSubWindow* window);
  void FillWindowMenu();
  bool WriteBitmap(TMDIChild* child);

  QActionGroup* ShapeGroup = nullptr;
  QActionGroup* StyleGroup = nullptr;
  QActionGroup* RowGapGroup = nullptr;
  QActionGroup* ColumnGapGroup = nullptr;
  QPointer<TMDIChild> LastActivated;
  QList<QAction*> WindowListItems;
};

extern TGlintweave* Glintweave;

// The message every chart command shows when no chart window is active.
extern const char* const ChartRequiredText;
