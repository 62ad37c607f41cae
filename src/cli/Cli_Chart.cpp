#include "cli/Cli_Chart.h"
#include "platform/UserInterface.h"

bool OpenChart(const QString& fileName, TBeadPattern& pattern) {
  pattern.SetBackGround(0x808080);
  if (!pattern.ReadPatternFile(fileName)) return false;
  pattern.SetIsZoom(true);
  pattern.SetZoom(1.0f);
  return pattern.MakeZoomList();
}

bool RenderChart(TBeadPattern& pattern, TPicture& picture) {
  pattern.SetIsZoom(true);
  if (!pattern.MakeZoomList()) return false;
  const QSize size = pattern.PictureSize();
  if (!picture.SetSize(size.width(), size.height())) {
    ShowError(QStringLiteral("There is not enough memory for a %1 by %2 pixel picture of this chart.")
                  .arg(size.width())
                  .arg(size.height()));
    return false;
  }
  pattern.RedrawAll(picture);
  return true;
}

std::optional<EPattern> ParseStyle(const QString& name, bool allowLoom) {
  if (name == QLatin1String("square")) return BPsquare;
  if (name == QLatin1String("brick")) return BPbrick;
  if (name == QLatin1String("peyote")) return BPpeyote;
  if (name == QLatin1String("two-drop")) return BP2DropPeyote;
  if (allowLoom && name == QLatin1String("loom")) return BPloom;
  return std::nullopt;
}

QString StyleName(EPattern style) {
  switch (style) {
    case BPbrick: return QStringLiteral("brick");
    case BPpeyote: return QStringLiteral("peyote");
    case BPcheyenne: return QStringLiteral("cheyenne");
    case BPsquare: return QStringLiteral("square");
    case BPloom: return QStringLiteral("loom");
    case BP2DropPeyote: return QStringLiteral("two-drop");
  }
  return QString();
}
