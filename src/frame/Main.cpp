#include "frame/Main.h"

#include "chartwindow/ChildWin.h"
#include "platform/UserInterface.h"

#include <QActionGroup>
#include <QApplication>
#include <QBoxLayout>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>
#include <exception>

TGlintweave* Glintweave = nullptr;

const char* const ChartRequiredText =
    "A Bead Pattern Window must\n     be selected to try this.";

// Resources live in the static library; bring them in before the first use.
static void InitGlintweaveResources() { Q_INIT_RESOURCE(glintweave); }

void TClickLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

TBevel::TBevel(TShape shape, QWidget* parent) : QWidget(parent), Shape(shape) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor light = palette().color(QPalette::Light);
  const QColor dark = palette().color(QPalette::Dark);
  if (Shape == LeftLine) {
    // raised: light first, then the shadow
    p.setPen(light);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(dark);
    p.drawLine(1, 0, 1, height() - 1);
  } else {
    p.setPen(dark);
    p.drawRect(0, 0, width() - 1, height() - 1);
  }
}

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& key = QKeySequence()) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(QString::fromLatin1(name));
  if (!key.isEmpty()) a->setShortcut(key);
  return a;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* m = bar->addMenu(caption);
  m->setObjectName(QString::fromLatin1(name));
  m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Title"));
  return m;
}

QMenu* AddSubMenu(QMenu* parent, const char* name, const QString& caption) {
  QMenu* m = parent->addMenu(caption);
  m->setObjectName(QString::fromLatin1(name));
  m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Title"));
  return m;
}

QAction* AddRadio(QMenu* menu, QActionGroup* group, const char* name, const QString& caption,
                  bool checked = false) {
  QAction* a = AddItem(menu, name, caption);
  a->setCheckable(true);
  a->setChecked(checked);
  group->addAction(a);
  return a;
}

QFont LabelFont(bool bold = false) {
  QFont f(QStringLiteral("Times New Roman"));
  // Where Times New Roman itself is missing, a serif with its metrics.
  f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                 QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman"), QStringLiteral("Times")});
  f.setStyleHint(QFont::Serif);
  f.setPixelSize(16);
  f.setBold(bold);
  return f;
}

}  // namespace

TGlintweave::TGlintweave(QWidget* parent) : QMainWindow(parent) {
  InitGlintweaveResources();
  setObjectName(QStringLiteral("Glintweave"));
  setWindowTitle(QStringLiteral("Glintweave"));
  setWindowIcon(QIcon(QStringLiteral(":/icon/glintweave_64.png")));
  resize(611, 446);

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  ClientArea = new QMdiArea(central);
  ClientArea->setObjectName(QStringLiteral("ClientArea"));
  ClientArea->setBackground(palette().brush(QPalette::Dark));
  ClientArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ClientArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(central);

  try {
    BuildMenus();
    ConnectEditCommands();
    BuildToolBar();
    BuildStatusBar();
    column->addWidget(ToolBar);
    column->addWidget(ClientArea, 1);
    column->addWidget(StatusBar);

    // creation handler proper
    LoadResources();
    BeadClipboard.clear();
    ConvertedBeads = std::make_shared<::ConvertedBeads>();
    CurrentFillColor = 0xFF0000;
    CurrentPaintColor = 0xFF0000;
    LineDeviation = 0.1f;
    FillMode = 1;
    BeadHighlight1->setChecked(true);
    FillPolygons1->setChecked(false);
    FillPolygons = false;
    ShapeKind = 4;
    None2->setChecked(true);
    UseProgressBar1->setChecked(true);
    UseProgressBar = true;
    RefreshSwatch(PaintColor, CurrentPaintColor);
    RefreshSwatch(FillColor, CurrentFillColor);

    // The active-form change: a chart window activated or the frame itself.
    connect(ClientArea, &QMdiArea::subWindowActivated, this, &TGlintweave::ChartActivated);
    UpdateMenuItems();
  } catch (const std::exception&) {
    ShowError(QStringLiteral("Form Create Failed"));
  }
}

TGlintweave::~TGlintweave() {
  disconnect(ClientArea, nullptr, this, nullptr);
  if (Glintweave == this) Glintweave = nullptr;
}

void TGlintweave::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));

  File1 = AddMenu(bar, "File1", QStringLiteral("&File"));
  FileNewItem = AddItem(File1, "FileNewItem", QStringLiteral("&New"), QKeySequence(QStringLiteral("Ctrl+N")));
  Convert1 = AddItem(File1, "Convert1", QStringLiteral("Convert "), QKeySequence(QStringLiteral("Ctrl+A")));
  FileOpenItem = AddItem(File1, "FileOpenItem", QStringLiteral("&Open"), QKeySequence(QStringLiteral("Ctrl+O")));
  FileCloseItem = AddItem(File1, "FileCloseItem", QStringLiteral("&Close"));
  FileSaveItem = AddItem(File1, "FileSaveItem", QStringLiteral("&Save"), QKeySequence(QStringLiteral("Ctrl+S")));
  FileSaveItem->setEnabled(false);
  FileSaveAsItem = AddItem(File1, "FileSaveAsItem", QStringLiteral("Save &As..."));
  FileSaveAsItem->setEnabled(false);
  File1->addSeparator();
  FileExitItem = AddItem(File1, "FileExitItem", QStringLiteral("E&xit"));
  // Clicking the File title brings the enabled states up to date first.
  connect(File1, &QMenu::aboutToShow, this, &TGlintweave::UpdateMenuItems);
  connect(FileNewItem, &QAction::triggered, this, [this] {
    NewFile();
    UpdateMenuItems();
  });
  connect(FileOpenItem, &QAction::triggered, this, &TGlintweave::OpenFile);
  connect(FileCloseItem, &QAction::triggered, this, &TGlintweave::FileCloseItemClick);
  connect(FileSaveItem, &QAction::triggered, this, [this] { save(); });
  connect(FileSaveAsItem, &QAction::triggered, this, [this] { saveAs(); });
  connect(FileExitItem, &QAction::triggered, this, &TGlintweave::FileExitItemClick);

  Edit1 = AddMenu(bar, "Edit1", QStringLiteral("&Edit"));
  Undo1 = AddItem(Edit1, "Undo1", QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
  Copy1 = AddItem(Edit1, "Copy1", QStringLiteral("&Copy"), QKeySequence(QStringLiteral("Ctrl+C")));
  Cut1 = AddItem(Edit1, "Cut1", QStringLiteral("&Cut"), QKeySequence(QStringLiteral("Ctrl+X")));
  Past1 = AddItem(Edit1, "Past1", QStringLiteral("&Past"), QKeySequence(QStringLiteral("Ctrl+V")));

  Pattern1 = AddMenu(bar, "Pattern1", QStringLiteral("&Pattern"));
  Style1 = AddSubMenu(Pattern1, "Style1", QStringLiteral("S&tyle"));
  StyleGroup = new QActionGroup(this);
  Brick1 = AddRadio(Style1, StyleGroup, "Brick1", QStringLiteral("&Brick"));
  Peyote1 = AddRadio(Style1, StyleGroup, "Peyote1", QStringLiteral("&Peyote"));
  Square1 = AddRadio(Style1, StyleGroup, "Square1", QStringLiteral("&Square"), true);
  TwoDropPeyote1 = AddRadio(Style1, StyleGroup, "TwoDropPeyote1", QStringLiteral("TwoDrop Peyote"));

  Options1 = AddMenu(bar, "Options1", QStringLiteral("&Options"));
  ChangePaintPallete1 = AddItem(Options1, "ChangePaintPallete1", QStringLiteral("Change Paint Color"));
  ChangeFillPalette1 = AddItem(Options1, "ChangeFillPalette1", QStringLiteral("Change Fill Color"));
  ChangePalette1 = AddItem(Options1, "ChangePalette1", QStringLiteral("Modify Palette"));
  ChangeBackGround1 = AddItem(Options1, "ChangeBackGround1", QStringLiteral("Change BackGround"));
  ChangeBeadHighlightColor1 =
      AddSubMenu(Options1, "ChangeBeadHighlightColor1", QStringLiteral("Change Bead Highlight"));
  HighlightColor1 = AddItem(ChangeBeadHighlightColor1, "HighlightColor1", QStringLiteral("Highlight Color"));
  Style2 = AddSubMenu(ChangeBeadHighlightColor1, "Style2", QStringLiteral("Style"));
  auto* highlightStyles = new QActionGroup(this);
  Solid1 = AddRadio(Style2, highlightStyles, "Solid1", QStringLiteral("Solid"), true);
  Dot1 = AddRadio(Style2, highlightStyles, "Dot1", QStringLiteral("Dot"));
  BeadHighlight1 = AddItem(ChangeBeadHighlightColor1, "BeadHighlight1", QStringLiteral("&BeadHighlight"));
  BeadHighlight1->setCheckable(true);
  BeadHighlight1->setChecked(true);

  RowGap1 = AddSubMenu(Options1, "RowGap1", QStringLiteral("Row Gap"));
  ColumnGap1 = AddSubMenu(Options1, "ColumnGap1", QStringLiteral("Column Gap"));
  RowGapGroup = new QActionGroup(this);
  ColumnGapGroup = new QActionGroup(this);
  for (int n = 1; n <= 10; ++n) {
    const QByteArray rowName = "N" + QByteArray::number(n) + "1";
    const QByteArray columnName = "N" + QByteArray::number(n) + "2";
    RowGapItems[n - 1] = AddRadio(RowGap1, RowGapGroup, rowName.constData(), QString::number(n), n == 1);
    ColumnGapItems[n - 1] =
        AddRadio(ColumnGap1, ColumnGapGroup, columnName.constData(), QString::number(n), n == 1);
  }
  UseProgressBar1 = AddItem(Options1, "UseProgressBar1", QStringLiteral("Use Progress Bar"));
  UseProgressBar1->setCheckable(true);
  UseProgressBar1->setChecked(true);

  Window1 = AddSubMenu(Options1, "Window1", QStringLiteral("&Window"));
  WindowCascadeItem = AddItem(Window1, "WindowCascadeItem", QStringLiteral("&Cascade"));
  WindowTileItem = AddItem(Window1, "WindowTileItem", QStringLiteral("&Tile"));
  WindowArrangeItem = AddItem(Window1, "WindowArrangeItem", QStringLiteral("&Arrange Icons"));
  WindowMinimizeItem = AddItem(Window1, "WindowMinimizeItem", QStringLiteral("&Minimize All"));
  connect(WindowCascadeItem, &QAction::triggered, ClientArea, &QMdiArea::cascadeSubWindows);
  connect(WindowTileItem, &QAction::triggered, ClientArea, &QMdiArea::tileSubWindows);
  // Minimised windows sit along the bottom; arranging them is what cascading
  // does to the minimised ones in this workspace.
  connect(WindowArrangeItem, &QAction::triggered, ClientArea, &QMdiArea::cascadeSubWindows);
  connect(WindowMinimizeItem, &QAction::triggered, this, &TGlintweave::WindowMinimizeItemClick);
  connect(Window1, &QMenu::aboutToShow, this, &TGlintweave::FillWindowMenu);

  Draw1 = AddMenu(bar, "Draw1", QStringLiteral("&Draw"));
  Fill1 = AddSubMenu(Draw1, "Fill1", QStringLiteral("&Flood Fill"));
  auto* fillModes = new QActionGroup(this);
  ReplaceColor1 = AddRadio(Fill1, fillModes, "ReplaceColor1", QStringLiteral("&Replace Color"));
  FillOnlyBasebeads1 =
      AddRadio(Fill1, fillModes, "FillOnlyBasebeads1", QStringLiteral("&Fill Only Basebeads"), true);
  Floodeverything1 = AddRadio(Fill1, fillModes, "Floodeverything1", QStringLiteral("Flood &Everything"));
  LineDevation1 = AddSubMenu(Draw1, "LineDevation1", QStringLiteral("&LineDevation"));
  auto* deviations = new QActionGroup(this);
  static const char* const deviationNames[7] = {"N0051", "N0101", "N0151", "N0201",
                                                "N0251", "N0301", "N0351"};
  static const char* const deviationCaptions[7] = {"0.05", "0.10", "0.15", "0.20",
                                                   "0.25", "0.30", "0.35"};
  for (int i = 0; i < 7; ++i)
    LineDeviationItems[i] = AddRadio(LineDevation1, deviations, deviationNames[i],
                                     QString::fromLatin1(deviationCaptions[i]), i == 1);
  FillPolygons1 = AddItem(Draw1, "FillPolygons1", QStringLiteral("Fill Polygons"));
  FillPolygons1->setCheckable(true);

  Help1 = AddMenu(bar, "Help1", QStringLiteral("&Information"));
  HelpAboutItem = AddItem(Help1, "HelpAboutItem", QStringLiteral("&About"));
  PatternInformation1 = AddItem(Help1, "PatternInformation1", QStringLiteral("Pattern Information"));
  connect(HelpAboutItem, &QAction::triggered, this, &TGlintweave::HelpAboutItemClick);
}

void TGlintweave::BuildToolBar() {
  ToolBar = new QWidget(this);
  ToolBar->setObjectName(QStringLiteral("ToolBar"));

  struct TButtonDef {
    QToolButton** Button;
    const char* Name;
    const char* Hint;
    const char* Picture;
    int Slot;
  };
  // "Open|", "Save|" and "Exit|": the short hint is the text before the bar.
  const TButtonDef defs[] = {
      {&OpenBtn, "OpenBtn", "Open|", "open", 0},
      {&NewBtn, "NewBtn", "New", "new", 1},
      {&SaveBtn, "SaveBtn", "Save|", "save", 2},
      {&ExitBtn, "ExitBtn", "Exit|", "exit", 3},
      {&PrintBtn, "PrintBtn", "Print", "print", 5},
      {&PaintBtn, "PaintBtn", "Paint", "paint", 7},
      {&EyeDropBtn, "EyeDropBtn", "Pickup Color", "eyedrop", 8},
      {&FillBtn, "FillBtn", "Fill", "fill", 9},
      {&EraseBtn, "EraseBtn", "Erase", "erase", 10},
      {&ShapeBtn, "ShapeBtn", "Draw Shapes", nullptr, 11},
      {&ZoomInBtn, "ZoomInBtn", "Zoom", "zoomin", 13},
      {&ZoomOutBtn, "ZoomOutBtn", "Zoom Out", "zoomout", 14},
      {&DeleteBtn, "DeleteBtn", "Delete", "delete", 16},
      {&ArrowSpBtn, "ArrowSpBtn", "", "arrow", -1},
  };
  const int buttonSize = 25;
  for (const TButtonDef& d : defs) {
    auto* b = new QToolButton(ToolBar);
    b->setObjectName(QString::fromLatin1(d.Name));
    b->setAutoRaise(true);
    b->setFixedSize(buttonSize, buttonSize);
    b->setIconSize(QSize(20, 20));
    b->setFocusPolicy(Qt::NoFocus);
    const QString hint = QString::fromLatin1(d.Hint);
    b->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    b->setStatusTip(hint.contains(QLatin1Char('|')) ? hint.section(QLatin1Char('|'), 1) : QString());
    if (d.Picture)
      b->setIcon(QIcon(QStringLiteral(":/buttons/%1.png").arg(QString::fromLatin1(d.Picture))));
    *d.Button = b;
  }
  // The Open button fixes the row: every other button sits at its slot.
  OpenBtn->move(1, 1);
  for (const TButtonDef& d : defs) {
    if (*d.Button == OpenBtn || *d.Button == ArrowSpBtn) continue;
    (*d.Button)->move(OpenBtn->x() + d.Slot * OpenBtn->width(), OpenBtn->y());
  }
  ArrowSpBtn->move(450, 1);
  PrintBtn->setEnabled(false);
  SaveBtn->setEnabled(false);
  ToolBar->setFixedHeight(OpenBtn->height() + 2);

  connect(OpenBtn, &QToolButton::clicked, this, &TGlintweave::OpenFile);
  connect(NewBtn, &QToolButton::clicked, this, &TGlintweave::NewFile);
  connect(SaveBtn, &QToolButton::clicked, this, [this] { save(); });
  connect(ExitBtn, &QToolButton::clicked, this, &TGlintweave::FileExitItemClick);
  connect(PaintBtn, &QToolButton::clicked, this, [this] { SelectSpeedBtn(0); });
  connect(FillBtn, &QToolButton::clicked, this, [this] { SelectSpeedBtn(1); });
  connect(ZoomInBtn, &QToolButton::clicked, this, [this] { SelectSpeedBtn(2); });
  connect(EraseBtn, &QToolButton::clicked, this, [this] { SelectSpeedBtn(3); });
  connect(DeleteBtn, &QToolButton::clicked, this, [this] { SelectSpeedBtn(5); });
  connect(EyeDropBtn, &QToolButton::clicked, this, [this] { SelectSpeedBtn(7); });
  connect(ZoomOutBtn, &QToolButton::clicked, this, [this] { SelectSpeedBtn(8); });
  connect(ArrowSpBtn, &QToolButton::clicked, this, [this] { SelectSpeedBtn(16); });

  ShapePopMnu = new QMenu(this);
  ShapePopMnu->setObjectName(QStringLiteral("ShapePopMnu"));
  ShapeGroup = new QActionGroup(this);
  Rectangel1 = AddRadio(ShapePopMnu, ShapeGroup, "Rectangel1", QStringLiteral("Rectangle"));
  Circle1 = AddRadio(ShapePopMnu, ShapeGroup, "Circle1", QStringLiteral("Circle"));
  Line2 = AddRadio(ShapePopMnu, ShapeGroup, "Line2", QStringLiteral("Line"));
  None2 = AddRadio(ShapePopMnu, ShapeGroup, "None2", QStringLiteral("None"));
  connect(Rectangel1, &QAction::triggered, this, [this] { ShapeItemClick(0); });
  connect(Circle1, &QAction::triggered, this, [this] { ShapeItemClick(1); });
  connect(Line2, &QAction::triggered, this, [this] { ShapeItemClick(3); });
  connect(None2, &QAction::triggered, this, [this] { ShapeItemClick(4); });
  connect(ShapeBtn, &QToolButton::clicked, this, [this] {
    ShapePopMnu->popup(QPoint(x() + ShapeBtn->x(), y() + ShapeBtn->y() + 30));
  });
}

void TGlintweave::BuildStatusBar() {
  StatusBar = new QFrame(this);
  StatusBar->setObjectName(QStringLiteral("StatusBar"));
  static_cast<QFrame*>(StatusBar)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // Laid out once from the sizes at creation, as the frame starts.
  const int barHeight = height() / 20;
  const int barWidth = width();
  StatusBar->setFixedHeight(barHeight);

  auto makeLabel = [this](auto* label, const char* name, const QString& text) {
    label->setParent(StatusBar);
    label->setObjectName(QString::fromLatin1(name));
    label->setText(text);
    label->setFont(LabelFont());
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->adjustSize();
    return label;
  };
  auto makeBevel = [this](TBevel::TShape shape, const char* name) {
    auto* b = new TBevel(shape, StatusBar);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };

  FirstBevel = makeBevel(TBevel::LeftLine, "FirstBevel");
  FirstBevel->setGeometry(80, 0, 5, barHeight);
  SecndBevel = makeBevel(TBevel::LeftLine, "SecndBevel");
  SecndBevel->setGeometry(180, 0, 5, barHeight);

  Row1Lbl = makeLabel(new QLabel, "Row1Lbl", QStringLiteral("Row : "));
  const int labelHeight = Row1Lbl->height();
  const int top = barHeight / 2 - labelHeight / 2 - 1;
  // The widths are the least a label gets; a wider font never clips a caption.
  auto widthOf = [](QLabel* label, int least) { return std::max(least, label->sizeHint().width()); };
  Row1Lbl->setGeometry(5, top, widthOf(Row1Lbl, 40), labelHeight);
  Row2Lbl = makeLabel(new QLabel, "Row2Lbl", QString());
  Row2Lbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Row2Lbl->setGeometry(Row1Lbl->geometry().right() + 1 + 5, top, 20, labelHeight);
  Column1Lbl = makeLabel(new QLabel, "Column1Lbl", QStringLiteral("Column : "));
  Column1Lbl->setGeometry(FirstBevel->x() + 5, top, widthOf(Column1Lbl, 60), labelHeight);
  Column2Lbl = makeLabel(new QLabel, "Column2Lbl", QString());
  Column2Lbl->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Column2Lbl->setGeometry(Column1Lbl->geometry().right() + 1 + 5, top, 20, labelHeight);

  ClipLbl = makeLabel(new QLabel, "ClipLbl", QStringLiteral("Clipboard"));
  ClipLbl->setFont(LabelFont(true));
  {
    QPalette pal = ClipLbl->palette();
    pal.setColor(QPalette::Active, QPalette::WindowText, QColor(0, 255, 0));
    pal.setColor(QPalette::Inactive, QPalette::WindowText, QColor(0, 255, 0));
    ClipLbl->setPalette(pal);
  }
  ClipLbl->adjustSize();
  ClipLbl->move(barWidth / 2 - ClipLbl->width() / 2, top);
  ClipLbl->setEnabled(false);

  const int swatchWidth = 25, swatchHeight = 13;
  const int swatchTop = barHeight / 2 - swatchHeight / 2;
  PaintLbl = makeLabel(new QLabel, "PaintLbl", QStringLiteral("Paint"));
  PaintLbl->move(barWidth - 165, top);
  PaintColor = makeLabel(new TClickLabel, "PaintColor", QString());
  PaintColor->setGeometry(barWidth - 130, swatchTop, swatchWidth, swatchHeight);
  PaintInnerBvl = makeBevel(TBevel::Box, "PaintInnerBvl");
  PaintInnerBvl->setGeometry(PaintColor->geometry().adjusted(-1, -1, 1, 1));
  FillLbl = makeLabel(new TClickLabel, "FillLbl", QStringLiteral("Fill"));
  FillLbl->move(barWidth - 75, top);
  FillColor = makeLabel(new TClickLabel, "FillColor", QString());
  FillColor->setGeometry(barWidth - 50, swatchTop, swatchWidth, swatchHeight);
  FillInnerBvl = makeBevel(TBevel::Box, "FillInnerBvl");
  FillInnerBvl->setGeometry(FillColor->geometry().adjusted(-1, -1, 1, 1));
  PaintOuterBvl = makeBevel(TBevel::LeftLine, "PaintOuterBvl");
  PaintOuterBvl->setGeometry(PaintLbl->x() - 7, 0, FillColor->width() + 60, barHeight);
  FillOuterBvl = makeBevel(TBevel::LeftLine, "FillOuterBvl");
  FillOuterBvl->setGeometry(FillLbl->x() - 7, 0, FillColor->width() + 60, barHeight);
  // The bevels stay behind the labels they frame.
  for (TBevel* b : {FirstBevel, SecndBevel, PaintInnerBvl, FillInnerBvl, PaintOuterBvl, FillOuterBvl})
    b->lower();
}

void TGlintweave::LoadResources() {
  RectGlyph.load(QStringLiteral(":/glyphs/rect.png"));
  LinesGlyph.load(QStringLiteral(":/glyphs/lines.png"));
  CircleGlyph.load(QStringLiteral(":/glyphs/circle.png"));
  AllShapesGlyph.load(QStringLiteral(":/glyphs/allshp.png"));
  ShapeBtn->setIcon(QIcon(AllShapesGlyph));

  struct TCursorDef {
    int Slot;
    const char* File;
    int HotX, HotY;
  };
  static const TCursorDef cursors[] = {
      {5, "erase", 8, 25},   {6, "line", 16, 16},     {7, "paint", 12, 28},
      {8, "fill", 3, 29},    {9, "eye", 8, 23},       {10, "zoomout", 15, 15},
      {11, "zoomin", 15, 15}, {12, "del", 14, 16},
  };
  for (const TCursorDef& c : cursors) {
    QPixmap picture;
    if (!picture.load(QStringLiteral(":/cursors/%1.png").arg(QString::fromLatin1(c.File))))
      continue;  // the slot keeps what it had
    ScreenCursors[c.Slot] = QCursor(picture, c.HotX, c.HotY);
  }
}

void TGlintweave::RefreshSwatch(QLabel* swatch, TColor color) {
  if (!swatch) return;
  QPixmap picture(swatch->size().expandedTo(QSize(1, 1)));
  picture.fill(ToQColor(color));
  swatch->setPixmap(picture);
  swatch->setProperty("SwatchColor", QVariant::fromValue<uint>(color));
}

void TGlintweave::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) UpdateMenuItems();
}
