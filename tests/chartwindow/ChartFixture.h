#pragma once
// A chart laid out as a chart window lays it out, with its off-screen picture,
// for the chart window tests.
#include "model/Beads_Classes.h"
#include "platform/Picture.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <vector>

struct TTestChart {
  TBeadPattern Pattern;
  TPicture Bitmap;

  TTestChart(EPattern style, int width, int height, float zoom = 1.0f) {
    Pattern.SetBeadPattern(style);
    Pattern.SetBeadPatternWidth(width);
    Pattern.SetBeadPatternHeight(height);
    Pattern.NewPattern(style);
    Pattern.SetIsZoom(true);
    Pattern.SetZoom(zoom);
    Pattern.MakeZoomList();
    const QSize size = Pattern.PictureSize();
    Bitmap.SetSize(size.width(), size.height());
    Bitmap.Fill(Pattern.BackGround());
    Pattern.DrawFromStruct(&Bitmap.Canvas());
  }

  int Width() const { return Pattern.BeadPatternWidth(); }
  int Index(int row, int column) const { return row * Width() + column; }
  const StoredBead& Bead(int row, int column) const { return Pattern.Beads()[Index(row, column)]; }
  // The centre of a bead, as the shape tools measure from it.
  QPoint Centre(int row, int column) const {
    const StoredBead& b = Bead(row, column);
    return QPoint((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  }
  void Paint(int row, int column, TColor color) {
    Pattern.PaintBeadAt(&Bitmap.Canvas(), nullptr, Index(row, column), BeadPainted, color, true);
  }
  void Remove(int row, int column) {
    Pattern.PaintBeadAt(&Bitmap.Canvas(), nullptr, Index(row, column), BeadRemoved,
                        Pattern.BackGround(), true);
  }
};

// Writes bead indices as an index text, each followed by ":".
inline QString IndexText(const std::vector<int>& indices, bool leadingBlank = false) {
  QString s = leadingBlank ? QStringLiteral(" ") : QString();
  for (int i : indices) s += QString::number(i) + QLatin1Char(':');
  return s;
}
