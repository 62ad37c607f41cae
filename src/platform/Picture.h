#pragma once
// A picture with a canvas, as the model draws into it: 32-bit pixels over a
// QImage, rectangles with exclusive right and bottom edges, and a pixel read
// outside the picture giving 0xFFFFFFFF. Drawing clips to the picture.
#include "platform/Colors.h"

#include <QImage>
#include <QRect>
#include <QString>

class TPicture;

// Where the model draws. The off-screen picture is one; a window can supply
// another that also records what changed.
class TCanvas {
public:
  virtual ~TCanvas() = default;
  // Fills [left, right) x [top, bottom).
  virtual void FillRect(int left, int top, int right, int bottom, TColor color) = 0;
  // Copies the whole of source with its top-left corner at (x, y).
  virtual void Draw(int x, int y, const TPicture& source) = 0;
  virtual void SetPixel(int x, int y, TColor color) = 0;
  virtual TColor Pixel(int x, int y) const = 0;
  // The picture behind the canvas when drawing may write its pixels directly.
  virtual TPicture* Target() { return nullptr; }
};

class TPicture {
public:
  TPicture() = default;
  TPicture(int width, int height) { SetSize(width, height); }
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;
  TPicture(TPicture&& other) noexcept : Image_(std::move(other.Image_)) {}
  TPicture& operator=(TPicture&& other) noexcept {
    Image_ = std::move(other.Image_);
    return *this;
  }

  // Makes a new picture of that size, filled with white. False (and an empty
  // picture) when the pixels cannot be had.
  bool SetSize(int width, int height);
  int Width() const { return Image_.width(); }
  int Height() const { return Image_.height(); }
  bool IsEmpty() const { return Image_.isNull(); }

  void FillRect(int left, int top, int right, int bottom, TColor color);
  void Fill(TColor color) { FillRect(0, 0, Width(), Height(), color); }
  void Draw(int x, int y, const TPicture& source);
  void SetPixel(int x, int y, TColor color);
  TColor Pixel(int x, int y) const;

  // Writes the picture, replacing the file only once the whole picture is
  // written; the format follows the extension (bmp, png; bmp without one).
  bool Save(const QString& fileName, QString* error = nullptr) const;
  // Takes over an image, converted to 32-bit pixels.
  void Assign(const QImage& image);

  const QImage& Image() const { return Image_; }
  // Direct pixel access for hot loops; valid until the picture is resized or assigned.
  struct TPixels {
    QRgb* Bits = nullptr;
    qsizetype Stride = 0;  // in pixels
    int Width = 0, Height = 0;
    QRgb* Line(int y) const { return Bits + qsizetype(y) * Stride; }
  };
  TPixels Pixels() {
    if (IsEmpty()) return {};
    return {reinterpret_cast<QRgb*>(Image_.bits()), Image_.bytesPerLine() / 4, Width(), Height()};
  }
  QRgb* Line(int y) { return reinterpret_cast<QRgb*>(Image_.bits() + qsizetype(y) * Image_.bytesPerLine()); }
  const QRgb* ConstLine(int y) const {
    return reinterpret_cast<const QRgb*>(Image_.constBits() + qsizetype(y) * Image_.bytesPerLine());
  }
  TCanvas& Canvas() { return Canvas_; }

private:
  class TOwnCanvas final : public TCanvas {
  public:
    explicit TOwnCanvas(TPicture& owner) : Owner(owner) {}
    void FillRect(int l, int t, int r, int b, TColor c) override { Owner.FillRect(l, t, r, b, c); }
    void Draw(int x, int y, const TPicture& s) override { Owner.Draw(x, y, s); }
    void SetPixel(int x, int y, TColor c) override { Owner.SetPixel(x, y, c); }
    TColor Pixel(int x, int y) const override { return Owner.Pixel(x, y); }
    TPicture* Target() override { return &Owner; }
  private:
    TPicture& Owner;
  };

  QImage Image_;
  TOwnCanvas Canvas_{*this};
};
