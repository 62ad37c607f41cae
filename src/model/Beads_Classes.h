#pragma once
// The bead pattern model: one chart, everything that can be done to it without
// a window. TBead carries the bead drawing state; TBeadPattern the chart.
//
// Implemented across Beads_Classes_*.cpp, one file per concern.
#include "platform/Colors.h"
#include "platform/Picture.h"
#include "platform/Progress.h"

#include <QSize>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

enum EPattern : std::uint8_t {
  BPbrick = 0,
  BPpeyote = 1,
  BPcheyenne = 2,
  BPsquare = 3,
  BPloom = 4,
  BP2DropPeyote = 5,
};
constexpr bool IsValidPattern(int style) { return style >= 0 && style <= 5; }
// Styles whose rows are staggered and whose beads lie on their side.
constexpr bool IsBrickLayout(EPattern s) { return s == BPbrick || s == BPcheyenne; }

enum BeadState : std::uint8_t {
  BeadPainted = 0,
  BeadBase = 3,
  BeadRemoved = 4,
};
constexpr bool IsValidState(int state) {
  return state == BeadPainted || state == BeadBase || state == BeadRemoved;
}

// One bead of a chart. Rectangles are in picture pixels; right and bottom are
// one past the last drawn pixel.
struct StoredBead {
  TColor Color = 0;
  BeadState State = BeadBase;
  EPattern Style = BPsquare;
  std::uint16_t Row = 0;
  std::uint16_t Column = 0;
  std::uint16_t Left = 0;
  std::uint16_t Top = 0;
  std::uint16_t Right = 0;
  std::uint16_t Bottom = 0;
};

// What one bead was before one change.
struct UndoEntry {
  TColor OldColor = 0;
  std::int32_t Index = 0;
  std::int32_t Group = 0;
  BeadState OldState = BeadBase;
};

// One cell of a picture conversion, in row-major order.
struct ConvertedBead {
  TColor Color = 0;
  BeadState Status = BeadPainted;
  EPattern Style = BPsquare;
  std::uint16_t Row = 0;
  std::uint16_t Column = 0;
};
using ConvertedBeads = std::vector<ConvertedBead>;

// Everything known of one bead, as the selection and the clipboard keep it.
struct BeadRecord {
  TColor Color = 0;  // the bead's own colour field, not the shown colour
  BeadState State = BeadBase;
  std::int32_t Index = 0;
  std::int32_t Row = 0;
  std::int32_t Column = 0;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
};

// Where a lookup found its bead.
struct TBeadHit {
  int Row = 0, Column = 0;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Index = 0;
};

// One palette colour: 28 bytes, the same in memory and in palette files.
struct TColorEntry {
  std::uint8_t HasColor = 0;
  std::uint8_t NamePending = 0;
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
  std::uint8_t Padding[3] = {0, 0, 0};
  TColor Color = 0;
  char Name[13] = {};
  char PrintId[3] = {' ', 0, 0};

  QString NameText() const;
  QChar PrintIdChar() const { return QChar::fromLatin1(PrintId[0]); }
  void SetName(const QString& name);     // keeps at most 12 characters
  void SetPrintId(QChar id);
  void SetColor(TColor c);               // Color and the three components
  TColor ComponentColor() const { return MakeColor(Red, Green, Blue); }
};
static_assert(sizeof(TColorEntry) == 28, "colour entries are 28 bytes");

TColorEntry MakeColorEntry(const QString& name, QChar printId, TColor color,
                           bool namePending = false);

using TColorList = std::vector<TColorEntry>;

// Fills list with the three built-in entries: "BackGround", "Base Color", "HighLight".
void AddBuiltInColors(TColorList& list);
// Fills list with the ten default palette colours.
void AddDefaultColors(TColorList& list);

class TBeadPattern;
// The five-line pattern information of a chart whose off-screen picture has that size.
QString PatternInfoText(const TBeadPattern& pattern, QSize picture);

// The text shown when a chart's beads would not fit 16-bit pixel positions.
extern const char* const ChartTooLargeText;

class TBead {
public:
  TBead(int beadWidth, int beadHeight);
  virtual ~TBead() = default;
  TBead(const TBead&) = delete;
  TBead& operator=(const TBead&) = delete;

  std::uint16_t BeadWidth() const { return FBeadWidth; }
  std::uint16_t BeadHeight() const { return FBeadHeight; }
  void SetBeadWidth(std::uint16_t v);
  void SetBeadHeight(std::uint16_t v);
  TColor BeadColor() const { return FBeadColor; }
  void SetBeadColor(TColor v) { FBeadColor = v; }
  TColor BackGround() const { return FBackGround; }
  void SetBackGround(TColor v);
  bool UseLastBitmap() const { return FUseLastBitmap; }
  void SetUseLastBitmap(bool v) { FUseLastBitmap = v; }
  bool BaseBeadMade() const { return FBaseBeadMade; }
  void SetBaseBeadMade(bool v) { FBaseBeadMade = v; }

  const TPicture& BaseBeadPicture() const { return FBaseBeadPicture; }
  const TPicture& PaintedBeadPicture() const { return FPaintedBeadPicture; }
  std::int64_t LastPaintedColor() const { return FLastPaintedColor; }

  // How often each bead picture has been made, for tests and benchmarks.
  int BasePictureMakes() const { return FBasePictureMakes; }
  int PaintedPictureMakes() const { return FPaintedPictureMakes; }

protected:
  void MakeBeadPicture(TPicture& picture, TColor color) const;

  std::uint16_t FBeadWidth;
  std::uint16_t FBeadHeight;
  TColor FBeadColor = 0xC0C0C0;
  TColor FBackGround = 0x808080;
  bool FUseLastBitmap = false;
  bool FBaseBeadMade = false;
  TPicture FBaseBeadPicture;
  TPicture FPaintedBeadPicture;
  std::int64_t FLastPaintedColor = -1;
  int FBasePictureMakes = 0;
  int FPaintedPictureMakes = 0;
};

class TBeadPattern : public TBead {
public:
  explicit TBeadPattern(int beadWidth = 6, int beadHeight = 9);
  ~TBeadPattern() override;

  // ---- properties
  EPattern BeadPattern() const { return FBeadPattern; }
  void SetBeadPattern(EPattern v) { FBeadPattern = v; }
  std::uint16_t BeadSlackTop() const { return FBeadSlackTop; }
  void SetBeadSlackTop(std::uint16_t v) { FBeadSlackTop = v; }
  std::uint16_t BeadSlackSide() const { return FBeadSlackSide; }
  void SetBeadSlackSide(std::uint16_t v) { FBeadSlackSide = v; }
  std::uint16_t BeadPatternHeight() const { return FBeadPatternHeight; }
  void SetBeadPatternHeight(std::uint16_t v) { FBeadPatternHeight = v; }
  std::uint16_t BeadPatternWidth() const { return FBeadPatternWidth; }
  void SetBeadPatternWidth(std::uint16_t v) { FBeadPatternWidth = v; }
  std::uint16_t BeadPatternTop() const { return FBeadPatternTop; }
  std::uint16_t BeadPatternLeft() const { return FBeadPatternLeft; }
  TColor BaseBeadColor() const { return FBaseBeadColor; }
  void SetBaseBeadColor(TColor v);
  bool IsZoom() const { return FIsZoom; }
  void SetIsZoom(bool v);
  float Zoom() const { return FZoom; }
  void SetZoom(float v) { FZoom = v; }

  // ---- geometry
  std::uint16_t RowPitch() const { return FRowPitch; }
  std::uint16_t ColumnPitch() const { return FColumnPitch; }
  std::uint16_t FindAreaBottom() const { return FFindAreaBottom; }
  std::uint16_t FindAreaRight() const { return FFindAreaRight; }

  // mode 1: 6 by 9; mode 2: the style's base size; mode 0: a wide by b high,
  // turned on its side for brick.
  void SetBeadSize(int mode, int a = 0, int b = 0);
  void MakeFindArea();
  // The relayout. False (chart unchanged, message shown) when the new layout
  // would put beads beyond 16-bit pixel positions.
  bool MakeZoomList();

  // Size of the off-screen picture that holds the whole chart.
  static QSize PictureSize(EPattern style, int width, int height, float zoom, int rowGap,
                           int columnGap);
  QSize PictureSize() const;
  // Whether a chart of this size, style, zoom, gaps and origin keeps every
  // position and its picture within 16-bit pixels.
  static bool LayoutFits(EPattern style, int width, int height, float zoom, int rowGap,
                         int columnGap, int top = 5, int left = 5);
  bool LayoutFits(float zoom, int rowGap, int columnGap) const;

  // ---- store
  bool NewPattern(EPattern style);
  bool DrawPattern();
  // Builds the chart and its palette from a conversion result. A last row
  // left incomplete by a stopped conversion is dropped.
  bool ImportBeads(const ConvertedBeads& list);
  void ClearUndo();

  const std::vector<StoredBead>& Beads() const { return FBeads; }
  const std::vector<UndoEntry>& UndoList() const { return FUndoList; }
  std::int32_t UndoGroupId() const { return FUndoGroupId; }
  TColorList& ColorList() { return *FColorList; }
  const TColorList& ColorList() const { return *FColorList; }
  // The palette, for holders that may outlive the chart (palette editor, chooser).
  std::shared_ptr<TColorList> SharedColorList() const { return FColorList; }
  TColorList& BuiltInColors() { return FBuiltInColors; }
  const TColorList& BuiltInColors() const { return FBuiltInColors; }
  TProgressSink* ProgressHandle() const { return FProgressHandle; }
  void SetProgressHandle(TProgressSink* sink) { FProgressHandle = sink; }
  bool HintStale() const { return FHintStale; }

  // ---- rendering (a null canvas draws nothing)
  void PaintBaseBead(TCanvas* canvas, int x, int y, TColor color);
  void PaintBead(TCanvas* canvas, int x, int y, TColor color);
  void DrawRemovedBead(TCanvas* canvas, int x, int y);
  void DrawFromStruct(TCanvas* canvas);
  // The whole chart on a clean picture: the background everywhere, then every
  // bead, exactly as a fill followed by DrawFromStruct makes it.
  void RedrawAll(TPicture& picture);
  void RefreshBackGround(TCanvas* canvas);

  // ---- lookup
  // The bead under (x, y), all four edges inclusive: its shown colour, or
  // nothing when there is no bead there or it is removed (out unchanged).
  std::optional<TColor> FindBeadInfo(int x, int y, TBeadHit& out);
  // Everything about the bead at index and its shown colour (the background for
  // a removed bead); nothing for an index outside the chart.
  std::optional<TColor> GetBeadInfo(int index, BeadRecord& out) const;

  // ---- fills
  bool FillAll(TCanvas* canvas, TColor color, bool baseBeadsOnly);
  bool ReplaceColor(TCanvas* canvas, TColor newColor, TColor oldColor);

  // ---- painting
  bool PaintBeadAt(TCanvas* canvas, TCanvas* second, int index, BeadState state, TColor color,
                   bool newGroup);
  bool LinePaint(TCanvas* canvas, const QString& indexText, TColor color, bool newGroup);
  bool PaintBeadList(TCanvas* canvas, const std::vector<BeadRecord>& list, BeadState state,
                     bool newGroup);

  // ---- rows and columns (index: the clicked bead)
  void DeleteRow(int index);
  void DeleteColumn(int index);
  void AddRow(int index);
  void AddColumn(int index);

  // ---- pattern file
  // Reads a whole chart or nothing: on any failure the model is left as it was.
  bool ReadPatternFile(const QString& fileName);
  // Replaces the file only once everything is written; false on failure.
  bool WritePatternFile(const QString& fileName);

  // ---- undo
  bool Undo(TCanvas* canvas);

private:
  struct TLayout {
    bool Valid = false;
    EPattern Style = BPsquare;
    int Left = 0, Top = 0, BeadWidth = 0, BeadHeight = 0;
    int ColumnPitch = 0, RowPitch = 0;
    std::uint64_t ColumnReciprocal = 0, RowReciprocal = 0;  // for dividing by the pitches
    int Width = 0, Height = 0;
  };
  struct TLookupHint {
    int Index = 0, Top = 0, Left = 0, Bottom = 0, Right = 0;
  };

  TColor ShownColor(const StoredBead& bead) const;
  void DrawBead(TCanvas* canvas, const StoredBead& bead);
  // The bead picture that shows this bead, remade when it shows another colour;
  // none for a removed bead.
  const TPicture* BeadPictureFor(const StoredBead& bead);
  void Record(int index, const StoredBead& bead);
  void OpenGroup() { ++FUndoGroupId; }
  StoredBead& BeadAt(int index);
  // Placement of (row, column) under the current size, gaps, origin and style.
  void PlaceBead(StoredBead& bead, int x0, int y0) const;
  void RememberLayout();
  int LocateByLayout(int x, int y, bool& stale) const;
  int LocateByScan(int x, int y) const;
  void StartRowColumnEdit();
  // False, with the message shown, when a chart grown to this size would not fit.
  bool GrownChartFits(int width, int height) const;
  StoredBead NewBead(const StoredBead* neighbour, int row, int column) const;

  std::vector<StoredBead> FBeads;
  std::vector<UndoEntry> FUndoList;
  std::int32_t FUndoGroupId = 0;
  std::shared_ptr<TColorList> FColorList;
  TColorList FBuiltInColors;
  bool FHintStale = false;
  TProgressSink* FProgressHandle = nullptr;
  TLookupHint FHint;
  TLayout FLayout;

  EPattern FBeadPattern = BPsquare;
  std::uint16_t FBeadSlackTop = 1;
  std::uint16_t FBeadSlackSide = 1;
  std::uint16_t FBeadPatternHeight = 20;
  std::uint16_t FBeadPatternWidth = 20;
  std::uint16_t FBeadPatternTop = 5;
  std::uint16_t FBeadPatternLeft = 5;
  TColor FBaseBeadColor = 0xC0C0C0;
  bool FIsZoom = false;
  float FZoom = 1.0f;

  std::uint16_t FRowPitch = 0;
  std::uint16_t FColumnPitch = 0;
  std::uint16_t FFindAreaBottom = 0;
  std::uint16_t FFindAreaRight = 0;
};
