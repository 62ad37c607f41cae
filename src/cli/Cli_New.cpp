// glintweave-cli new: a new chart of base beads, written as a pattern file.
#include "cli/CliCommands.h"
#include "cli/Cli_Chart.h"

extern const TCliCommand CliNew;

namespace {
int RunNew(const QStringList& args) {
  if (CliWantsHelp(CliNew, args)) return CliSuccess;
  const TCliArgs a = ParseCliArgs(args, {"width", "height", "style"});
  if (!a.Problem.isEmpty()) return CliUsageError(CliNew, a.Problem);
  if (a.Positional.size() != 1) return CliUsageError(CliNew, QStringLiteral("one output file is needed"));
  bool okW = false, okH = false;
  const int width = a.Options.value("width").toInt(&okW);
  const int height = a.Options.value("height").toInt(&okH);
  if (!okW || !okH || width < 0 || height < 0 || width > 0xFFFF || height > 0xFFFF)
    return CliUsageError(CliNew, QStringLiteral("--width and --height take whole numbers from 0 to 65535"));
  const auto style = ParseStyle(a.Options.value("style", "square"));
  if (!style) return CliUsageError(CliNew, QStringLiteral("unknown style"));

  // As the new-chart command builds it: base beads in the chosen style, laid out at zoom 1.
  TBeadPattern pattern(6, 9);
  pattern.SetBeadPattern(*style);
  pattern.SetBackGround(0x808080);
  pattern.SetBeadPatternHeight(std::uint16_t(height));
  pattern.SetBeadPatternWidth(std::uint16_t(width));
  if (!pattern.NewPattern(*style) || !pattern.MakeZoomList()) return CliRefused;
  return pattern.WritePatternFile(a.Positional.front()) ? CliSuccess : CliRefused;
}
}  // namespace

const TCliCommand CliNew{
    "new",
    "  glintweave-cli new --width W --height H [--style square|brick|peyote|two-drop] OUT.bfp\n"
    "      Writes a new chart of W columns by H rows of base beads (style: square).",
    RunNew};
