// glintweave-cli convert: a bitmap picture made into a chart, as the conversion
// window's Convert (zoom 10, outlines off) and the chart window built from its
// result make it.
#include "cli/CliCommands.h"
#include "cli/Cli_Chart.h"

#include "conversion/LoadImage.h"
#include "conversion/ScanForm_Walk.h"
#include "platform/UserInterface.h"

#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

extern const TCliCommand CliConvert;

namespace {

// A bar on stderr, redrawn only when the percentage changes.
class TTerminalBar final : public TProgressSink {
public:
  explicit TTerminalBar(const char* label) : Label(label) {}
  ~TTerminalBar() override { Finish(); }
  void Progress(int percent) override {
    if (percent == Last) return;
    Last = percent;
    const int filled = percent * 40 / 100;
    std::fprintf(stderr, "\r%s [%.*s%*s] %3d%%", Label, filled,
                 "########################################", 40 - filled, "", percent);
    std::fflush(stderr);
  }
  void Finish() {
    if (Last < 0) return;
    Progress(100);
    std::fputc('\n', stderr);
    Last = -1;
  }

private:
  const char* Label;
  int Last = -1;
};

std::optional<std::uint8_t> ParseReduce(const QString& text) {
  if (text == QLatin1String("0")) return ReduceNone;
  if (text == QLatin1String("12")) return Reduce12;
  if (text == QLatin1String("25")) return Reduce25;
  if (text == QLatin1String("38")) return Reduce38;
  if (text == QLatin1String("50")) return Reduce50;
  return std::nullopt;
}

int RunConvert(const QStringList& args) {
  if (CliWantsHelp(CliConvert, args)) return CliSuccess;
  const TCliArgs a = ParseCliArgs(args, {"style", "bead-size", "reduce", "preview"});
  if (!a.Problem.isEmpty()) return CliUsageError(CliConvert, a.Problem);
  if (a.Positional.size() != 2)
    return CliUsageError(CliConvert, QStringLiteral("a picture and an output pattern file are needed"));

  const auto style = ParseStyle(a.Options.value("style", "square"), true);
  if (!style) return CliUsageError(CliConvert, QStringLiteral("unknown style"));
  bool ok = false;
  const int beadSize = a.Options.value("bead-size", "13").toInt(&ok);
  if (!ok || beadSize < 1 || beadSize > 22)
    return CliUsageError(CliConvert, QStringLiteral("--bead-size takes 1 to 22"));
  const auto mask = ParseReduce(a.Options.value("reduce", "0"));
  if (!mask) return CliUsageError(CliConvert, QStringLiteral("--reduce takes 0, 12, 25, 38 or 50"));
  const QString preview = a.Options.value("preview");
  if (a.Options.contains("preview")) {
    const QString suffix = QFileInfo(preview).suffix().toLower();
    if (suffix != QLatin1String("bmp") && suffix != QLatin1String("png"))
      return CliUsageError(CliConvert, QStringLiteral("the preview must end in .bmp or .png"));
  }

  const QString pictureFile = a.Positional[0];
  TImageLoad reader;
  TPicture source, work;
  if (!reader.LoadBitmap(pictureFile)) {
    // The reader refuses unreadable files without a word of its own.
    const QFileInfo info(pictureFile);
    if (!info.isFile() || !info.isReadable())
      std::fprintf(stderr, "glintweave-cli convert: cannot read %s\n", qPrintable(pictureFile));
    return CliRefused;
  }
  if (!DecodePicture(reader.BitmapData(), source, work)) return CliRefused;
  // Nothing here restores the picture, so the walk may draw on the decoded
  // pixels themselves instead of a copy of them.
  source.SetSize(0, 0);

  const bool terminal = isatty(fileno(stderr));
  TWalkSettings settings;
  settings.BeadSize = beadSize;
  settings.ConvertStyle = *style;
  settings.ReduceMask = *mask;
  settings.Converting = true;
  ConvertedBeads beads;
  TWalkResult result;
  {
    TTerminalBar bar("Progress of Conversion");
    result = WalkCells(work, settings, beads, terminal ? &bar : nullptr);
  }
  if (result.Failed) return CliRefused;
  std::printf("Rows %d\nColumns %d\n", result.Rows, result.Columns);
  std::fflush(stdout);

  if (a.Options.contains("preview")) {
    QString error;
    if (!work.Save(preview, &error)) {
      ShowSystemError(error);
      return CliRefused;
    }
  }
  if (beads.empty()) {
    std::fprintf(stderr, "The picture is too small for a single bead at this bead size.\n");
    return CliRefused;
  }

  // As a chart window built from a conversion result: import, then zoom 1 and relayout.
  TBeadPattern pattern(6, 9);
  pattern.SetBeadPattern(*style);
  pattern.SetBackGround(0x808080);
  bool imported = false;
  {
    TTerminalBar bar("Converting To Glintweave Format.");
    pattern.SetProgressHandle(terminal ? &bar : nullptr);
    imported = pattern.ImportBeads(beads);
    pattern.SetProgressHandle(nullptr);
  }
  if (!imported) return CliRefused;
  pattern.SetIsZoom(true);
  pattern.SetZoom(1.0f);
  if (!pattern.MakeZoomList()) return CliRefused;
  return pattern.WritePatternFile(a.Positional[1]) ? CliSuccess : CliRefused;
}

}  // namespace

const TCliCommand CliConvert{
    "convert",
    "  glintweave-cli convert PICTURE.bmp OUT.bfp [--style square|brick|peyote|two-drop|loom]\n"
    "                 [--bead-size 1..22] [--reduce 0|12|25|38|50] [--preview PREVIEW.bmp|PREVIEW.png]\n"
    "      Converts a bitmap picture into a chart (square, bead size 13, no reduction) and\n"
    "      prints its rows and columns; --preview writes the picture painted with the\n"
    "      converted colours.",
    RunConvert};
