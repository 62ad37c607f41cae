// glintweave-cli palette: what a palette file holds, and the two palettes a
// palette file can start from.
#include "cli/CliCommands.h"

#include "palette/Pallet_File.h"

#include <cstdio>

extern const TCliCommand CliPalette;

namespace {

// Names come from files: control characters are not sent to the terminal.
QString Printable(const QString& text) {
  QString out = text;
  for (QChar& c : out)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char('?');
  return out;
}

int PrintPalette(const QString& fileName) {
  TColorList list;
  if (!OpenPalette(list, fileName)) return CliRefused;
  QString out;
  for (size_t i = 0; i < list.size(); ++i) {
    const TColorEntry& e = list[i];
    // Views take the colour from its components.
    const QString hex =
        QStringLiteral("%1").arg((e.Red << 16) | (e.Green << 8) | e.Blue, 6, 16, QLatin1Char('0')).toUpper();
    out += QStringLiteral("%1\t%2\t%3\t#%4\t%5\t%6\n")
               .arg(i)
               .arg(e.HasColor)
               .arg(e.NamePending)
               .arg(hex, Printable(e.NameText()), Printable(QString(e.PrintIdChar())));
  }
  std::fputs(out.toUtf8().constData(), stdout);
  return CliSuccess;
}

int RunPalette(const QStringList& args) {
  if (CliWantsHelp(CliPalette, args)) return CliSuccess;
  const TCliArgs a = ParseCliArgs(args, {}, {"new", "default"});
  if (!a.Problem.isEmpty()) return CliUsageError(CliPalette, a.Problem);
  if (a.Positional.size() != 1) return CliUsageError(CliPalette, QStringLiteral("one palette file is needed"));
  const bool makeNew = a.Options.contains("new"), makeDefault = a.Options.contains("default");
  if (makeNew && makeDefault) return CliUsageError(CliPalette, QStringLiteral("--new and --default exclude each other"));
  const QString file = a.Positional.front();
  if (!makeNew && !makeDefault) return PrintPalette(file);

  TColorList list;
  if (makeNew) ResetPalette(list);
  else AddDefaultColors(list);
  return SavePalette(list, file) ? CliSuccess : CliRefused;
}

}  // namespace

const TCliCommand CliPalette{
    "palette",
    "  glintweave-cli palette FILE.pal\n"
    "  glintweave-cli palette --new OUT.pal\n"
    "  glintweave-cli palette --default OUT.pal\n"
    "      Prints one line per entry (position, HasColor, NamePending, #RRGGBB, name,\n"
    "      print identifier; tab-separated), or writes ten empty slots (--new) or the\n"
    "      ten default colours (--default).",
    RunPalette};
