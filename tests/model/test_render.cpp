#include "ModelSupport.h"

#include <gtest/gtest.h>

namespace {

// Draws the chart as its window does: background, then every bead.
TPicture Render(TBeadPattern& p) {
  TPicture picture;
  const QSize size = p.PictureSize();
  picture.SetSize(size.width(), size.height());
  picture.Fill(p.BackGround());
  p.DrawFromStruct(&picture.Canvas());
  return picture;
}

TEST(Render, ABeadIsSolidWithBackgroundCorners) {
  TBeadPattern p(6, 9);
  TPicture picture(20, 20);
  picture.Fill(0x808080);
  p.PaintBead(&picture.Canvas(), 2, 3, 0x0000FF);
  for (int y = 3; y < 12; ++y)
    for (int x = 2; x < 8; ++x) {
      const bool corner = (x == 2 || x == 7) && (y == 3 || y == 11);
      ASSERT_EQ(picture.Pixel(x, y), corner ? 0x808080u : 0x0000FFu) << x << "," << y;
    }
  EXPECT_EQ(picture.Pixel(8, 5), 0x808080u);
}

TEST(Render, BeadPicturesAreReusedUntilColourSizeOrBackgroundChange) {
  TBeadPattern p(6, 9), other(6, 9);
  TPicture picture(40, 40);
  p.PaintBead(&picture.Canvas(), 0, 0, 0x0000FF);
  p.PaintBead(&picture.Canvas(), 10, 0, 0x0000FF);
  EXPECT_EQ(p.PaintedPictureMakes(), 1);

  // Each chart keeps its own picture.
  other.PaintBead(&picture.Canvas(), 20, 0, 0x0000FF);
  EXPECT_EQ(picture.Pixel(21, 1), 0x0000FFu);

  p.SetBackGround(0x00FF00);
  p.PaintBead(&picture.Canvas(), 0, 20, 0x0000FF);
  EXPECT_EQ(p.PaintedPictureMakes(), 2);
  EXPECT_EQ(picture.Pixel(0, 20), 0x00FF00u);
  EXPECT_EQ(picture.Pixel(1, 21), 0x0000FFu);
}

TEST(Render, AllBaseChartMakesTheBasePictureOnce) {
  auto p = MakeChart(BPsquare, 10, 10);
  const int before = p->BasePictureMakes();
  Render(*p);
  EXPECT_EQ(p->BasePictureMakes(), before + 1);
}

TEST(Render, RemovedBeadBecomesABackgroundBlockAndTheNextBaseBeadIsBaseAgain) {
  auto p = MakeChart(BPsquare, 3, 1);
  TPicture picture = Render(*p);
  p->PaintBeadAt(&picture.Canvas(), nullptr, 1, BeadRemoved, 0, true);
  const StoredBead& b = p->Beads()[1];
  for (int y = b.Top; y < b.Bottom; ++y)
    for (int x = b.Left; x < b.Right; ++x) ASSERT_EQ(picture.Pixel(x, y), 0x808080u);
  p->PaintBeadAt(&picture.Canvas(), nullptr, 2, BeadBase, 0, true);
  EXPECT_EQ(picture.Pixel(p->Beads()[2].Left + 2, p->Beads()[2].Top + 2), 0xC0C0C0u);
}

// The whole picture, pixel for pixel, against the stitch rules worked out here.
TEST(Render, WholeChartMatchesAnIndependentDrawingInEveryStyle) {
  for (EPattern style : {BPbrick, BPpeyote, BPsquare, BP2DropPeyote})
    for (float zoom : {0.5f, 1.0f, 2.25f}) {
      auto p = MakeChart(style, 6, 5, zoom, 2, 3);
      p->PaintBeadAt(nullptr, nullptr, 7, BeadPainted, 0x0000FF, true);
      p->PaintBeadAt(nullptr, nullptr, 8, BeadPainted, 0x000000, true);
      p->PaintBeadAt(nullptr, nullptr, 9, BeadRemoved, 0, true);
      const TPicture picture = Render(*p);

      QImage expected(picture.Width(), picture.Height(), QImage::Format_RGB32);
      expected.fill(ToQRgb(0x808080));
      for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 6; ++c) {
          const int i = r * 6 + c;
          if (i == 9) continue;
          const TColor color = i == 7 ? 0x0000FF : i == 8 ? 0x000000 : 0xC0C0C0;
          const QRect rect = ExpectedRect(style, r, c, zoom, 2, 3);
          for (int y = rect.top(); y < rect.bottom(); ++y)
            for (int x = rect.left(); x < rect.right(); ++x) {
              const bool corner = (x == rect.left() || x == rect.right() - 1) &&
                                  (y == rect.top() || y == rect.bottom() - 1);
              expected.setPixel(x, y, ToQRgb(corner ? 0x808080 : color));
            }
        }
      ASSERT_EQ(picture.Image(), expected) << "style " << int(style) << " zoom " << zoom;
      TPicture redrawn(picture.Width(), picture.Height());
      p->RedrawAll(redrawn);
      ASSERT_EQ(redrawn.Image(), expected) << "redraw, style " << int(style) << " zoom " << zoom;
    }
}

// A clean redraw is the same picture however it is made: every style, zoom and
// gap, a picture cut short, removed and black beads, and a chart not yet relaid out.
TEST(Render, RedrawAllEqualsFillThenDrawFromStruct) {
  for (EPattern style : {BPbrick, BPpeyote, BPcheyenne, BPsquare, BPloom, BP2DropPeyote})
    for (float zoom : {0.5f, 1.25f, 2.25f})
      for (int gap : {1, 6}) {
        auto p = MakeChart(style, 11, 6, zoom, gap, 7 - gap);
        for (int i = 0; i < 66; i += 5) p->PaintBeadAt(nullptr, nullptr, i, BeadPainted, TColor(i * 0x030201), true);
        p->PaintBeadAt(nullptr, nullptr, 13, BeadRemoved, 0, true);
        for (QSize size : {p->PictureSize(), p->PictureSize() - QSize(9, 13)}) {
          TPicture expected(size.width(), size.height()), redrawn(size.width(), size.height());
          expected.Fill(p->BackGround());
          p->DrawFromStruct(&expected.Canvas());
          redrawn.Fill(0x123456);
          p->RedrawAll(redrawn);
          ASSERT_EQ(redrawn.Image(), expected.Image()) << int(style) << " " << zoom << " " << gap;
        }
      }
  auto stale = MakeChart(BPpeyote, 5, 5);
  stale->DeleteColumn(2);
  TPicture expected(60, 70), redrawn(60, 70);
  expected.Fill(stale->BackGround());
  stale->DrawFromStruct(&expected.Canvas());
  stale->RedrawAll(redrawn);
  EXPECT_EQ(redrawn.Image(), expected.Image());
}

TEST(Render, RedrawAllReportsTheSameProgressAsABeadByBeadRedraw) {
  struct Sink : TProgressSink {
    std::vector<int> Seen;
    void Progress(int percent) override { Seen.push_back(percent); }
  };
  for (EPattern style : {BPbrick, BPpeyote}) {
    auto p = MakeChart(style, 7, 9);
    Sink byBead, byLine;
    TPicture picture(p->PictureSize().width(), p->PictureSize().height());
    p->SetProgressHandle(&byBead);
    p->DrawFromStruct(&picture.Canvas());
    p->SetProgressHandle(&byLine);
    p->RedrawAll(picture);
    EXPECT_EQ(byLine.Seen, byBead.Seen);
    EXPECT_EQ(byLine.Seen.size(), 16u);  // beads 0, 4, ... 60 of 63
  }
}

TEST(Render, RefreshBackGroundTakesTheBuiltInBackgroundEntry) {
  auto p = MakeChart(BPsquare, 2, 2);
  p->BuiltInColors()[0].Color = 0x102030;
  TPicture picture(30, 30);
  p->RefreshBackGround(&picture.Canvas());
  EXPECT_EQ(p->BackGround(), 0x102030u);
  EXPECT_EQ(picture.Pixel(p->Beads()[0].Left, p->Beads()[0].Top), 0x102030u);
}

}  // namespace
