// Making, filling and emptying a chart's store of beads.
#include "model/Beads_Classes.h"
#include "platform/Guard.h"
#include "platform/Memory.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

TBeadPattern::TBeadPattern(int beadWidth, int beadHeight) : TBead(beadWidth, beadHeight) {
  Guarded("Pattern Create Failure ", [&] {
    AddBuiltInColors(FBuiltInColors);
    FColorList = std::make_shared<TColorList>();
    AddDefaultColors(*FColorList);
  });
  if (!FColorList) FColorList = std::make_shared<TColorList>();
}

TBeadPattern::~TBeadPattern() = default;

StoredBead& TBeadPattern::BeadAt(int index) {
  if (index < 0 || std::size_t(index) >= FBeads.size())
    throw std::out_of_range("bead index outside the chart");
  return FBeads[std::size_t(index)];
}

bool TBeadPattern::NewPattern(EPattern style) {
  bool done = false;
  Guarded("New Pattern Failure ", [&] {
    if (!IsValidPattern(style)) throw std::invalid_argument("unknown style");
    if (!LayoutFits(style, FBeadPatternWidth, FBeadPatternHeight, 1.0f, FBeadSlackTop,
                    FBeadSlackSide, FBeadPatternTop, FBeadPatternLeft)) {
      ShowError(QString::fromLatin1(ChartTooLargeText));
      return;
    }
    FBeadPattern = style;
    SetBeadSize(2);
    done = DrawPattern();
  });
  return done;
}

bool TBeadPattern::DrawPattern() {
  bool done = false;
  Guarded("Draw Pattern Failure ", [&] {
    FBeads.clear();
    FLayout.Valid = false;
    MakeFindArea();
    const int width = FBeadPatternWidth, height = FBeadPatternHeight;
    FBeads.reserve(std::size_t(width) * std::size_t(height));
    AdviseHugePages(FBeads.data(), FBeads.capacity() * sizeof(StoredBead));
    for (int r = 0; r < height; ++r) {
      const int y = FBeadPatternTop + r * FRowPitch;
      for (int c = 0; c < width; ++c) {
        StoredBead bead;
        bead.Color = FBaseBeadColor;
        bead.State = BeadBase;
        bead.Row = std::uint16_t(r);
        bead.Column = std::uint16_t(c);
        bead.Style = FBeadPattern;
        PlaceBead(bead, FBeadPatternLeft + c * FColumnPitch, y);
        FBeads.push_back(bead);
      }
      if (FProgressHandle && r % 4 == 0) FProgressHandle->Progress(r * 100 / height);
    }
    RememberLayout();
    FHintStale = true;
    done = true;
  });
  return done;
}


bool TBeadPattern::ImportBeads(const ConvertedBeads& list) {
  try {
    if (list.empty()) {
      ShowError(QStringLiteral("There are no beads to make a chart from."));
      return false;
    }
    // The width is the length of the first row; a last row cut short by a
    // stopped conversion is dropped, so the chart stays a full grid.
    std::size_t width = 0;
    while (width < list.size() && list[width].Row == 0) ++width;
    const std::size_t rows = list.size() / width;
    const std::size_t count = rows * width;
    const EPattern style = list[count - 1].Style;
    bool grid = IsValidPattern(style) && width <= 0xFFFF && rows <= 0xFFFF;
    for (std::size_t i = 0; grid && i < count; ++i) {
      const ConvertedBead& b = list[i];
      grid = b.Row == i / width && b.Column == i % width && IsValidState(b.Status);
    }
    if (!grid) {
      ShowError(QStringLiteral("The converted beads do not form a full grid of rows and columns."));
      return false;
    }
    if (!LayoutFits(style, int(width), int(rows), 1.0f, FBeadSlackTop, FBeadSlackSide,
                    FBeadPatternTop, FBeadPatternLeft)) {
      ShowError(QString::fromLatin1(ChartTooLargeText));
      return false;
    }

    std::vector<StoredBead> beads;
    beads.reserve(count);
    AdviseHugePages(beads.data(), beads.capacity() * sizeof(StoredBead));
    std::vector<TColor> distinct;
    distinct.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      const ConvertedBead& c = list[i];
      if (FProgressHandle && i % 4 == 0)
        FProgressHandle->Progress(int(std::int64_t(i + 1) * 100 / std::int64_t(list.size())));
      StoredBead bead;
      bead.Color = c.Color;
      bead.State = c.Status;
      bead.Row = c.Row;
      bead.Column = c.Column;
      bead.Style = style;
      beads.push_back(bead);
      distinct.push_back(c.Color & 0xFFFFFFu);
    }
    // The palette is the distinct colours in descending order. One sort, not an
    // insertion per new colour: a photograph gives hundreds of thousands of them.
    std::sort(distinct.begin(), distinct.end(), std::greater<TColor>());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    TColorList colors;
    colors.reserve(distinct.size());
    const TColorEntry imported = MakeColorEntry(QStringLiteral("Color"), ' ', 0);
    for (TColor color : distinct) {
      colors.push_back(imported);
      colors.back().SetColor(color);
    }
    FBeads = std::move(beads);
    *FColorList = std::move(colors);
    FBeadPattern = style;
    FBeadPatternHeight = std::uint16_t(rows);
    FBeadPatternWidth = std::uint16_t(width);
    FLayout.Valid = false;
    FHintStale = true;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void TBeadPattern::ClearUndo() {
  FUndoList.clear();
  FUndoList.shrink_to_fit();
}
