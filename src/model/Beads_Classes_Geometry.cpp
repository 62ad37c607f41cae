// Bead sizes, the grid, and the relayout that puts every bead in its place.
#include "model/Beads_Classes.h"
#include "platform/Guard.h"

#include <cmath>

const char* const ChartTooLargeText =
    "This chart is too large: at this size, zoom and gap its beads would lie beyond "
    "65535 pixels.";

namespace {
constexpr int MaxPosition = 65535;

// Every float that becomes an integer is truncated toward zero.
int Trunc(double v) { return int(std::trunc(v)); }

// Beads of this style are staggered by half a bead: rows for brick, columns for peyote.
bool RowShifted(EPattern style, int row) { return IsBrickLayout(style) && row % 2 == 0; }
bool ColumnShifted(EPattern style, int column) {
  if (style == BPpeyote) return column % 2 == 0;
  if (style == BP2DropPeyote) return column % 4 < 2;
  return false;
}

// Bead width and height at a zoom, as the relayout makes them.
void ScaledSize(EPattern style, float zoom, int& width, int& height) {
  const int a = Trunc(6.0 * double(zoom)), b = Trunc(9.0 * double(zoom));
  if (IsBrickLayout(style)) { width = b; height = a; } else { width = a; height = b; }
}
}  // namespace

TBead::TBead(int beadWidth, int beadHeight)
    : FBeadWidth(std::uint16_t(beadWidth)), FBeadHeight(std::uint16_t(beadHeight)) {}

void TBead::SetBeadWidth(std::uint16_t v) {
  if (v == FBeadWidth) return;
  FBeadWidth = v;
  FUseLastBitmap = false;
  FBaseBeadMade = false;
}

void TBead::SetBeadHeight(std::uint16_t v) {
  if (v == FBeadHeight) return;
  FBeadHeight = v;
  FUseLastBitmap = false;
  FBaseBeadMade = false;
}

void TBead::SetBackGround(TColor v) {
  if (v == FBackGround) return;
  FBackGround = v;
  FUseLastBitmap = false;
  FBaseBeadMade = false;
}

void TBeadPattern::SetBaseBeadColor(TColor v) {
  if (v == FBaseBeadColor) return;
  FBaseBeadColor = v;
  FBaseBeadMade = false;
}

void TBeadPattern::SetIsZoom(bool v) {
  FIsZoom = v;
  FUseLastBitmap = false;  // whatever the value
}

void TBeadPattern::SetBeadSize(int mode, int a, int b) {
  Guarded("Bead Set Size Failure ", [&] {
    switch (mode) {
      case 1:
        SetBeadWidth(6);
        SetBeadHeight(9);
        break;
      case 2:
        if (IsBrickLayout(FBeadPattern)) { SetBeadWidth(9); SetBeadHeight(6); }
        else { SetBeadWidth(6); SetBeadHeight(9); }
        break;
      case 0:
        if (IsBrickLayout(FBeadPattern)) { SetBeadWidth(std::uint16_t(b)); SetBeadHeight(std::uint16_t(a)); }
        else { SetBeadWidth(std::uint16_t(a)); SetBeadHeight(std::uint16_t(b)); }
        break;
      default:
        break;
    }
  });
}

void TBeadPattern::MakeFindArea() {
  Guarded("Make Find Area Failure ", [&] {
    FRowPitch = std::uint16_t(FBeadHeight + FBeadSlackTop);
    FColumnPitch = std::uint16_t(FBeadWidth + FBeadSlackSide);
    FFindAreaBottom = std::uint16_t(FBeadPatternHeight * FRowPitch + FBeadPatternTop);
    FFindAreaRight = std::uint16_t(FBeadPatternWidth * FColumnPitch + FBeadPatternLeft);
  });
}

void TBeadPattern::PlaceBead(StoredBead& bead, int x0, int y0) const {
  if (RowShifted(FBeadPattern, bead.Row)) x0 += FBeadWidth / 2;
  if (ColumnShifted(FBeadPattern, bead.Column)) y0 += FBeadHeight / 2;
  bead.Left = std::uint16_t(x0);
  bead.Top = std::uint16_t(y0);
  bead.Right = std::uint16_t(x0 + FBeadWidth);
  bead.Bottom = std::uint16_t(y0 + FBeadHeight);
}

void TBeadPattern::RememberLayout() {
  FLayout.Valid = true;
  FLayout.Style = FBeadPattern;
  FLayout.Left = FBeadPatternLeft;
  FLayout.Top = FBeadPatternTop;
  FLayout.BeadWidth = FBeadWidth;
  FLayout.BeadHeight = FBeadHeight;
  FLayout.ColumnPitch = FBeadWidth + FBeadSlackSide;
  FLayout.RowPitch = FBeadHeight + FBeadSlackTop;
  auto reciprocal = [](int pitch) { return pitch > 0 ? (std::uint64_t(1) << 32) / unsigned(pitch) + 1 : 0; };
  FLayout.ColumnReciprocal = reciprocal(FLayout.ColumnPitch);
  FLayout.RowReciprocal = reciprocal(FLayout.RowPitch);
  FLayout.Width = FBeadPatternWidth;
  FLayout.Height = FBeadPatternHeight;
}

bool TBeadPattern::MakeZoomList() {
  bool done = false;
  Guarded("Make Zoom List Failure ", [&] {
    if (FIsZoom && !LayoutFits(FZoom, FBeadSlackTop, FBeadSlackSide)) {
      ShowError(QString::fromLatin1(ChartTooLargeText));
      return;
    }
    SetBeadSize(1);
    if (!FIsZoom) {
      SetBeadSize(0, 6, 9);
      done = true;
      return;
    }
    SetBeadSize(0, Trunc(6.0 * double(FZoom)), Trunc(9.0 * double(FZoom)));
    FLayout.Valid = false;
    const int width = FBeadPatternWidth;
    const int columnPitch = FBeadWidth + FBeadSlackSide;
    const int rowPitch = FBeadHeight + FBeadSlackTop;
    const std::size_t count = FBeads.size();
    for (std::size_t i = 0; i < count; ++i) {
      StoredBead& bead = FBeads[i];
      bead.Style = FBeadPattern;
      PlaceBead(bead, FBeadPatternLeft + bead.Column * columnPitch,
                FBeadPatternTop + bead.Row * rowPitch);
      if (FProgressHandle && i % 4 == 0) {
        // A one-bead chart is done as soon as it starts.
        const int percent = count > 1 ? int(std::int64_t(i) * 100 / std::int64_t(count - 1)) : 100;
        FProgressHandle->Progress(percent);
      }
    }
    if (std::size_t(width) * FBeadPatternHeight == count) RememberLayout();
    done = true;
  });
  return done;
}

QSize TBeadPattern::PictureSize(EPattern style, int width, int height, float zoom, int rowGap,
                                int columnGap) {
  const double z = zoom;
  const int extra = Trunc(4.0 * z + 10.0);
  if (IsBrickLayout(style))
    return {(Trunc(9.0 * z) + columnGap) * width + extra, 10 + height * (Trunc(6.0 * z) + rowGap)};
  if (style == BPpeyote || style == BP2DropPeyote)
    return {(Trunc(6.0 * z) + columnGap) * width + 8, extra + height * (Trunc(9.0 * z) + rowGap)};
  return {(Trunc(6.0 * z) + columnGap) * width + 8, 10 + height * (Trunc(9.0 * z) + rowGap)};
}

QSize TBeadPattern::PictureSize() const {
  return PictureSize(FBeadPattern, FBeadPatternWidth, FBeadPatternHeight, FZoom, FBeadSlackTop,
                     FBeadSlackSide);
}

bool TBeadPattern::LayoutFits(EPattern style, int width, int height, float zoom, int rowGap,
                              int columnGap, int top, int left) {
  if (width < 0 || height < 0 || rowGap < 0 || columnGap < 0 || !(zoom > 0.0f) || zoom > 100.0f)
    return false;
  const double z = zoom;
  const std::int64_t extra = Trunc(4.0 * z + 10.0);
  std::int64_t pictureWidth, pictureHeight;
  if (IsBrickLayout(style)) {
    pictureWidth = std::int64_t(Trunc(9.0 * z) + columnGap) * width + extra;
    pictureHeight = 10 + std::int64_t(height) * (Trunc(6.0 * z) + rowGap);
  } else {
    pictureWidth = std::int64_t(Trunc(6.0 * z) + columnGap) * width + 8;
    pictureHeight = (style == BPpeyote || style == BP2DropPeyote ? extra : 10) +
                    std::int64_t(height) * (Trunc(9.0 * z) + rowGap);
  }
  if (pictureWidth > MaxPosition || pictureHeight > MaxPosition) return false;
  if (width == 0 || height == 0) return true;
  int beadWidth, beadHeight;
  ScaledSize(style, zoom, beadWidth, beadHeight);
  // The far edges of the last row and column, staggered ones included.
  const std::int64_t right = std::int64_t(left) + beadWidth / 2 +
                             std::int64_t(width - 1) * (beadWidth + columnGap) + beadWidth;
  const std::int64_t bottom = std::int64_t(top) + beadHeight / 2 +
                              std::int64_t(height - 1) * (beadHeight + rowGap) + beadHeight;
  return right <= MaxPosition && bottom <= MaxPosition;
}

bool TBeadPattern::LayoutFits(float zoom, int rowGap, int columnGap) const {
  return LayoutFits(FBeadPattern, FBeadPatternWidth, FBeadPatternHeight, zoom, rowGap, columnGap,
                    FBeadPatternTop, FBeadPatternLeft);
}
