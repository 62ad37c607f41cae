#pragma once
// The chart window's canvas: draws into the off-screen picture and remembers
// which pixels changed, so the window repaints only those.
#include "platform/Picture.h"

#include <QRect>

class TDirtyCanvas final : public TCanvas {
public:
  explicit TDirtyCanvas(TPicture& picture) : Picture(picture) {}

  void FillRect(int left, int top, int right, int bottom, TColor color) override {
    Picture.FillRect(left, top, right, bottom, color);
    if (right > left && bottom > top) Touch(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
  }
  void Draw(int x, int y, const TPicture& source) override {
    Picture.Draw(x, y, source);
    if (!source.IsEmpty()) Touch(QRect(x, y, source.Width(), source.Height()));
  }
  void SetPixel(int x, int y, TColor color) override {
    Picture.SetPixel(x, y, color);
    Touch(QRect(x, y, 1, 1));
  }
  TColor Pixel(int x, int y) const override { return Picture.Pixel(x, y); }

  // The changed area since the last Take, clipped to the picture.
  QRect Take() {
    const QRect r = Dirty & QRect(0, 0, Picture.Width(), Picture.Height());
    Dirty = QRect();
    return r;
  }
  const QRect& Changed() const { return Dirty; }

private:
  void Touch(const QRect& r) { Dirty |= r; }
  TPicture& Picture;
  QRect Dirty;
};
