#pragma once
// Shape tracing for the line, rectangle and circle tools: a shape is traced in
// picture pixels from bead centre to bead centre, and a bead is taken only when
// the traced path passes close enough to its middle (the line deviation).
// No widgets here: the chart window draws the outlines as its overlay.
#include "model/Beads_Classes.h"

#include <QRect>
#include <QString>
#include <unordered_set>
#include <vector>

// An index text (each bead index followed by ":") listing every bead at most
// once, in the order found, with the outline rectangle of each listed bead.
class TIndexList {
public:
  // The empty text.
  void Clear();
  // A single blank: names no bead, as the painted lists are left after release.
  void Blank();
  // Appends index unless it is already listed; false when it was.
  bool Add(int index, const QRect& outline = QRect());
  bool Contains(int index) const { return FSeen.count(index) != 0; }

  const QString& Text() const { return FText; }
  const std::vector<int>& Indices() const { return FIndices; }
  // Trace outlines, one per listed bead: the bead rectangle grown by one pixel.
  const std::vector<QRect>& Outlines() const { return FOutlines; }
  // The smallest rectangle holding every outline; empty when there are none.
  QRect Bounds() const;
  bool IsEmpty() const { return FIndices.empty(); }

private:
  QString FText;
  std::unordered_set<int> FSeen;
  std::vector<int> FIndices;
  std::vector<QRect> FOutlines;
};

// Centre of a bead rectangle, as the shape tools measure from it.
QPoint BeadCentre(int left, int top, int right, int bottom);
inline QPoint BeadCentre(const TBeadHit& h) { return BeadCentre(h.Left, h.Top, h.Right, h.Bottom); }
// The pixels of the frame drawn round a bead taken by a trace or under the
// highlight: one pixel outside the bead on every side (the bead's right and
// bottom are already one past its last pixel).
inline QRect OutlineRect(int left, int top, int right, int bottom) {
  return QRect(QPoint(left - 1, top - 1), QPoint(right, bottom));
}
inline QRect OutlineRect(const TBeadHit& h) { return OutlineRect(h.Left, h.Top, h.Right, h.Bottom); }

class TShapeTracer {
public:
  // Traces into lists of its own.
  explicit TShapeTracer(TBeadPattern& pattern)
      : OutlineText(OwnOutline), FillText(OwnFill), Pattern(pattern) {}
  // Traces into the caller's lists, which outlive the tracer.
  TShapeTracer(TBeadPattern& pattern, TIndexList& outline, TIndexList& fill)
      : OutlineText(outline), FillText(fill), Pattern(pattern) {}
  TShapeTracer(const TShapeTracer&) = delete;
  TShapeTracer& operator=(const TShapeTracer&) = delete;

  // Read from the main frame at each step.
  float LineDeviation = 0.1f;
  bool FillPolygons = false;

private:
  TIndexList OwnOutline, OwnFill;

public:
  TIndexList& OutlineText;  // beads of the outline, painted in the paint colour
  TIndexList& FillText;     // a rectangle's interior, painted in the fill colour

  // Traces a line into OutlineText. The starting point itself is never
  // examined; a line of length 0 takes nothing.
  void DrawLine(int x1, int y1, int x2, int y2);
  // Traces the four sides into OutlineText and, when the interior is asked
  // for and FillPolygons is on, collects the interior into FillText by row
  // and column. False when the rectangle is too small for an interior.
  bool DrawRectangle(int x1, int y1, int x2, int y2, bool interior);
  // Traces an ellipse (midpoint method) into a fresh OutlineText.
  void DrawEllipse(int cx, int cy, int rx, int ry);

  // Whether a pixel lies close enough to the middle of the bead found there.
  bool PassesDeviation(const TBeadHit& bead, int x, int y) const;

private:
  void TraceLine(bool xMajor, int x, int y, int dx, int dy, int step);
  void ExamineLinePoint(int x, int y, int& lastAccepted);
  void ExamineEllipsePoint(int px, int py, int cx, int cy, int x, int y, int& lastAccepted,
                           const TBeadHit* found);
  void AddFound(int x, int y);

  TBeadPattern& Pattern;
};
