// glintweave-cli render: the chart's picture, as its window draws it.
#include "cli/CliCommands.h"
#include "cli/Cli_Chart.h"

#include "platform/UserInterface.h"

#include <QFileInfo>
#include <cmath>

extern const TCliCommand CliRender;

namespace {
int RunRender(const QStringList& args) {
  if (CliWantsHelp(CliRender, args)) return CliSuccess;
  const TCliArgs a = ParseCliArgs(args, {"zoom", "row-gap", "column-gap", "style", "background"});
  if (!a.Problem.isEmpty()) return CliUsageError(CliRender, a.Problem);
  if (a.Positional.size() != 2) return CliUsageError(CliRender, QStringLiteral("a pattern file and an output picture are needed"));
  const QString out = a.Positional[1];
  const QString suffix = QFileInfo(out).suffix().toLower();
  if (suffix != QLatin1String("bmp") && suffix != QLatin1String("png"))
    return CliUsageError(CliRender, QStringLiteral("the output picture must end in .bmp or .png"));

  bool ok = true;
  const double zoom = a.Options.value("zoom", "1").toDouble(&ok);
  const double steps = (zoom - 0.5) / 0.25;
  if (!ok || zoom < 0.5 || zoom > 2.25 || std::abs(steps - std::round(steps)) > 1e-9)
    return CliUsageError(CliRender, QStringLiteral("--zoom takes 0.5 to 2.25 in steps of 0.25"));
  auto gap = [&](const char* name, int& value) {
    if (!a.Options.contains(name)) return true;
    bool good = false;
    value = a.Options.value(name).toInt(&good);
    return good && value >= 1 && value <= 10;
  };
  int rowGap = -1, columnGap = -1;
  if (!gap("row-gap", rowGap) || !gap("column-gap", columnGap))
    return CliUsageError(CliRender, QStringLiteral("gaps take 1 to 10"));
  std::optional<EPattern> style;
  if (a.Options.contains("style")) {
    style = ParseStyle(a.Options.value("style"));
    if (!style) return CliUsageError(CliRender, QStringLiteral("unknown style"));
  }
  std::optional<TColor> background;
  if (a.Options.contains("background")) {
    const QString hex = a.Options.value("background");
    bool good = false;
    const uint rgb = hex.toUInt(&good, 16);
    if (!good || hex.size() != 6) return CliUsageError(CliRender, QStringLiteral("--background takes RRGGBB in hexadecimal"));
    background = MakeColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  }

  TBeadPattern pattern(6, 9);
  if (!OpenChart(a.Positional[0], pattern)) return CliRefused;
  pattern.SetZoom(float(zoom));
  if (rowGap > 0) pattern.SetBeadSlackTop(std::uint16_t(rowGap));
  if (columnGap > 0) pattern.SetBeadSlackSide(std::uint16_t(columnGap));
  if (style) {
    pattern.SetBaseBeadMade(false);
    pattern.SetBeadPattern(*style);
  }
  if (background) {
    pattern.SetBackGround(*background);
    pattern.BuiltInColors().front().Color = *background;
  }
  TPicture picture;
  if (!RenderChart(pattern, picture)) return CliRefused;
  QString error;
  if (!picture.Save(out, &error)) {
    ShowSystemError(error);
    return CliRefused;
  }
  return CliSuccess;
}
}  // namespace

const TCliCommand CliRender{
    "render",
    "  glintweave-cli render FILE.bfp OUT.bmp|OUT.png [--zoom Z] [--row-gap N] [--column-gap N]\n"
    "                 [--style square|brick|peyote|two-drop] [--background RRGGBB]\n"
    "      Draws the chart as its window shows it: zoom 0.5 to 2.25 in steps of 0.25\n"
    "      (1), gaps 1 to 10 (the file's), background red first in hexadecimal.",
    RunRender};
