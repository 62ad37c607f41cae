// glintweave-cli info: what a chart holds.
#include "cli/CliCommands.h"
#include "cli/Cli_Chart.h"

#include <QMap>
#include <algorithm>
#include <cstdio>

extern const TCliCommand CliInfo;

namespace {
int RunInfo(const QStringList& args) {
  if (CliWantsHelp(CliInfo, args)) return CliSuccess;
  const TCliArgs a = ParseCliArgs(args, {});
  if (!a.Problem.isEmpty()) return CliUsageError(CliInfo, a.Problem);
  if (a.Positional.size() != 1) return CliUsageError(CliInfo, QStringLiteral("one pattern file is needed"));

  TBeadPattern pattern(6, 9);
  if (!OpenChart(a.Positional.front(), pattern)) return CliRefused;

  int painted = 0, base = 0, removed = 0;
  QMap<TColor, int> counts;
  for (const StoredBead& b : pattern.Beads()) {
    if (b.State == BeadPainted) { ++painted; ++counts[b.Color]; }
    else if (b.State == BeadBase) ++base;
    else ++removed;
  }
  QString out = PatternInfoText(pattern, pattern.PictureSize());
  out += QStringLiteral("\nPainted beads ..... %1\nBase beads ........ %2\nRemoved beads ..... %3\n")
             .arg(painted).arg(base).arg(removed);
  std::vector<std::pair<QString, int>> colors;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    colors.emplace_back(QStringLiteral("#%1%2%3")
                            .arg(RedOf(it.key()), 2, 16, QLatin1Char('0'))
                            .arg(GreenOf(it.key()), 2, 16, QLatin1Char('0'))
                            .arg(BlueOf(it.key()), 2, 16, QLatin1Char('0'))
                            .toUpper(),
                        it.value());
  std::sort(colors.begin(), colors.end(), [](const auto& x, const auto& y) {
    return x.second != y.second ? x.second > y.second : x.first < y.first;
  });
  for (const auto& [name, n] : colors) out += QStringLiteral("%1 %2\n").arg(name).arg(n);
  std::fputs(out.toUtf8().constData(), stdout);
  return CliSuccess;
}
}  // namespace

const TCliCommand CliInfo{
    "info",
    "  glintweave-cli info FILE.bfp\n"
    "      Prints the chart's size, its picture size, its bead counts and its colours.",
    RunInfo};
