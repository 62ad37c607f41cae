// Drawing beads: two small bead pictures, copied wherever a bead goes.
#include "model/Beads_Classes.h"
#include "platform/Guard.h"

#include <algorithm>

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

namespace {
// Copies a bead picture into a picture's pixels, clipped to it.
void Blit(const TPicture::TPixels& target, TPicture& targetPicture, int x, int y,
          const TPicture& bead) {
  const int w = bead.Width(), h = bead.Height();
  if (x >= 0 && y >= 0 && x + w <= target.Width && y + h <= target.Height) {
    const QRgb* source = bead.ConstLine(0);
    const qsizetype sourceStride = bead.Image().bytesPerLine() / 4;
    QRgb* line = target.Line(y) + x;
    for (int row = 0; row < h; ++row, line += target.Stride, source += sourceStride)
      std::copy_n(source, w, line);
  } else {
    targetPicture.Draw(x, y, bead);
  }
}
}  // namespace

const TPicture* TBeadPattern::BeadPictureFor(const StoredBead& bead) {
  if (bead.State == BeadPainted) {
    if (!FUseLastBitmap) {
      FLastPaintedColor = -1;
      FUseLastBitmap = true;
    }
    if (std::int64_t(bead.Color) != FLastPaintedColor) {
      MakeBeadPicture(FPaintedBeadPicture, bead.Color);
      ++FPaintedPictureMakes;
      FLastPaintedColor = bead.Color;
    }
    return &FPaintedBeadPicture;
  }
  if (bead.State == BeadBase) {
    if (!FBaseBeadMade) {
      FBaseBeadMade = true;
      MakeBeadPicture(FBaseBeadPicture, FBaseBeadColor);
      ++FBasePictureMakes;
    }
    return &FBaseBeadPicture;
  }
  return nullptr;
}

void TBeadPattern::DrawFromStruct(TCanvas* canvas) {
  Guarded("Draw From Struct failure", [&] {
    FBaseBeadMade = false;
    TPicture* target = canvas ? canvas->Target() : nullptr;
    const TPicture::TPixels pixels = target ? target->Pixels() : TPicture::TPixels{};
    const std::size_t count = FBeads.size();
    for (std::size_t i = 0; i < count; ++i) {
      const StoredBead& bead = FBeads[i];
      if (const TPicture* picture = BeadPictureFor(bead)) {
        if (target) Blit(pixels, *target, bead.Left, bead.Top, *picture);
        else if (canvas) canvas->Draw(bead.Left, bead.Top, *picture);
      }
      if (FProgressHandle && i % 4 == 0)
        FProgressHandle->Progress(int(std::int64_t(i) * 100 / std::int64_t(count)));
    }
  });
}

// The same picture as a background fill followed by DrawFromStruct, made one
// scan line at a time so that every pixel is written once. The lines that cross
// the same beads differ at most in the beads' corner pixels, so each set of bead
// rows is drawn once into a template line, and every scan line is a copy of the
// template with the corners of the beads whose top or bottom line it is.
void TBeadPattern::RedrawAll(TPicture& picture) {
  const TLayout& L = FLayout;
  const bool direct = L.Valid && !picture.IsEmpty() &&
                      std::size_t(L.Width) * std::size_t(L.Height) == FBeads.size() &&
                      L.BeadWidth > 0 && L.BeadHeight > 0 && L.RowPitch > 0;
  if (!direct) {
    picture.Fill(FBackGround);
    DrawFromStruct(&picture.Canvas());
    return;
  }
  Guarded("Draw From Struct failure", [&] {
    FBaseBeadMade = false;
    const QRgb background = ToQRgb(FBackGround), base = ToQRgb(FBaseBeadColor);
    const TPicture::TPixels pixels = picture.Pixels();
    const int width = pixels.Width, height = pixels.Height;
    const int halfHeight = L.BeadHeight / 2;
    // Peyote styles shift some columns down: two classes of columns, each crossing
    // its own bead row on a scan line. Other styles have one class.
    const bool staggered = L.Style == BPpeyote || L.Style == BP2DropPeyote;
    const int classes = staggered ? 2 : 1;
    std::vector<std::uint8_t> classOf(std::size_t(L.Width), 0);
    if (staggered)
      for (int c = 0; c < L.Width; ++c) classOf[std::size_t(c)] = L.Style == BPpeyote ? c % 2 == 0 : c % 4 < 2;

    // Progress goes out as a bead-by-bead redraw sends it, once each bead row is done.
    const std::size_t count = FBeads.size();
    std::size_t reported = 0;
    auto reportUpTo = [&](std::size_t beadsDone) {
      if (!FProgressHandle) return;
      for (; reported < beadsDone; reported += 4)
        FProgressHandle->Progress(int(std::int64_t(reported) * 100 / std::int64_t(count)));
    };
    const int rowEnd = L.Top + (staggered ? halfHeight : 0) + L.BeadHeight - 1;  // last line of row 0

    std::vector<QRgb> templ(std::size_t(width), background);
    int templRow[2] = {-1, -1};  // the bead row each class shows in templ
    // Draws class k's columns of bead row r (none: -1) into templ, without corners.
    auto drawClass = [&](int k, int r) {
      for (int c = 0; c < L.Width; ++c) {
        if (classOf[std::size_t(c)] != k) continue;
        const int shownRow = r >= 0 ? r : templRow[k];
        if (shownRow < 0) continue;
        const StoredBead& bead = FBeads[std::size_t(shownRow) * std::size_t(L.Width) + std::size_t(c)];
        const int from = std::max<int>(bead.Left, 0), to = std::min(bead.Left + L.BeadWidth, width);
        if (from >= to) continue;
        QRgb color = background;
        if (r >= 0 && bead.State != BeadRemoved)
          color = bead.State == BeadPainted ? ToQRgb(bead.Color) : base;
        std::fill(templ.data() + from, templ.data() + to, color);
      }
      templRow[k] = r;
    };

    for (int y = 0; y < height; ++y) {
      int row[2] = {-1, -1};
      bool edge[2] = {false, false};
      for (int k = 0; k < classes; ++k) {
        const int d = y - L.Top - (k ? halfHeight : 0);
        if (d < 0) continue;
        const int r = d / L.RowPitch, offset = d - r * L.RowPitch;
        if (r >= L.Height || offset >= L.BeadHeight) continue;
        row[k] = r;
        edge[k] = offset == 0 || offset == L.BeadHeight - 1;
      }
      for (int k = 0; k < classes; ++k) {
        if (row[k] == templRow[k]) continue;
        // A row that moves sideways (brick) first clears what the old row drew.
        if (!staggered && templRow[k] >= 0) drawClass(k, -1);
        drawClass(k, row[k]);
      }
      QRgb* line = pixels.Line(y);
      std::copy_n(templ.data(), width, line);
      for (int k = 0; k < classes; ++k) {
        if (!edge[k]) continue;
        const std::size_t first = std::size_t(row[k]) * std::size_t(L.Width);
        for (int c = 0; c < L.Width; ++c) {
          if (classOf[std::size_t(c)] != k) continue;
          const int left = FBeads[first + std::size_t(c)].Left, right = left + L.BeadWidth - 1;
          if (left < width) line[left] = background;
          if (right < width) line[right] = background;
        }
      }
      if (FProgressHandle && y >= rowEnd) {
        const std::size_t rowsDone = std::min<std::size_t>(std::size_t((y - rowEnd) / L.RowPitch + 1), std::size_t(L.Height));
        reportUpTo(rowsDone * std::size_t(L.Width));
      }
    }
    reportUpTo(count);
  });
}

void TBeadPattern::RefreshBackGround(TCanvas* canvas) {
  try {
    if (!FBuiltInColors.empty()) SetBackGround(FBuiltInColors.front().Color);
    DrawFromStruct(canvas);
  } catch (const std::exception&) {
  }
}
