#include "model/Beads_Classes.h"

QString PatternInfoText(const TBeadPattern& pattern, QSize picture) {
  const int w = pattern.BeadPatternWidth(), h = pattern.BeadPatternHeight();
  return QStringLiteral("Width in beads .... %1\nHeight in beads ... %2\nBitmap Width ...... %3\n"
                        "Bitmap Height ..... %4\nTotal Beads ....... %5\n")
      .arg(w).arg(h).arg(picture.width()).arg(picture.height()).arg(qint64(w) * h);
}
