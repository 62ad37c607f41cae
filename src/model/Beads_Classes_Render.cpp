// Drawing beads: two small bead pictures, copied wherever a bead goes.
#include "model/Beads_Classes.h"
#include "platform/Guard.h"

void TBead::MakeBeadPicture(TPicture& picture, TColor color) const {
  picture.SetSize(FBeadWidth, FBeadHeight);
  picture.Fill(color);
  const int r = FBeadWidth - 1, b = FBeadHeight - 1;
  picture.SetPixel(0, 0, FBackGround);
  picture.SetPixel(r, 0, FBackGround);
  picture.SetPixel(0, b, FBackGround);
  picture.SetPixel(r, b, FBackGround);
}

void TBeadPattern::PaintBaseBead(TCanvas* canvas, int x, int y, TColor color) {
  Guarded("Paint New Bead Failure ", [&] {
    if (!FBaseBeadMade) {
      FBaseBeadMade = true;
      MakeBeadPicture(FBaseBeadPicture, color);
      ++FBasePictureMakes;
    }
    if (canvas) canvas->Draw(x, y, FBaseBeadPicture);
  });
}

void TBeadPattern::PaintBead(TCanvas* canvas, int x, int y, TColor color) {
  Guarded("Paint Bead Failure ", [&] {
    if (!FUseLastBitmap) {
      FLastPaintedColor = -1;
      FUseLastBitmap = true;
    }
    if (std::int64_t(color) != FLastPaintedColor) {
      MakeBeadPicture(FPaintedBeadPicture, color);
      ++FPaintedPictureMakes;
      FLastPaintedColor = color;
    }
    if (canvas) canvas->Draw(x, y, FPaintedBeadPicture);
  });
}

void TBeadPattern::DrawRemovedBead(TCanvas* canvas, int x, int y) {
  // The base picture is borrowed for the hole and remade for the next base bead.
  FBaseBeadMade = false;
  PaintBaseBead(canvas, x, y, FBackGround);
  FBaseBeadMade = false;
}

TColor TBeadPattern::ShownColor(const StoredBead& bead) const {
  switch (bead.State) {
    case BeadPainted: return bead.Color;
    case BeadBase: return FBaseBeadColor;
    default: return FBackGround;
  }
}

void TBeadPattern::DrawBead(TCanvas* canvas, const StoredBead& bead) {
  switch (bead.State) {
    case BeadPainted: PaintBead(canvas, bead.Left, bead.Top, bead.Color); break;
    case BeadBase: PaintBaseBead(canvas, bead.Left, bead.Top, FBaseBeadColor); break;
    default: DrawRemovedBead(canvas, bead.Left, bead.Top); break;
  }
}

void TBeadPattern::DrawFromStruct(TCanvas* canvas) {
  Guarded("Draw From Struct failure", [&] {
    FBaseBeadMade = false;
    const std::size_t count = FBeads.size();
    for (std::size_t i = 0; i < count; ++i) {
      const StoredBead& bead = FBeads[i];
      if (bead.State == BeadPainted) PaintBead(canvas, bead.Left, bead.Top, bead.Color);
      else if (bead.State == BeadBase) PaintBaseBead(canvas, bead.Left, bead.Top, FBaseBeadColor);
      if (FProgressHandle && i % 4 == 0)
        FProgressHandle->Progress(int(std::int64_t(i) * 100 / std::int64_t(count)));
    }
  });
}

void TBeadPattern::RefreshBackGround(TCanvas* canvas) {
  try {
    if (!FBuiltInColors.empty()) SetBackGround(FBuiltInColors.front().Color);
    DrawFromStruct(canvas);
  } catch (const std::exception&) {
  }
}
