// glintweave-cli: works on charts without a display.
#include "cli/CliCommands.h"

#include <QCoreApplication>
#include <cstdio>

// The commands, one unit each.
extern const TCliCommand CliNew;
extern const TCliCommand CliInfo;
extern const TCliCommand CliRender;
extern const TCliCommand CliConvert;
extern const TCliCommand CliPalette;

namespace {

const TCliCommand* const Commands[] = {
    &CliNew,
    &CliInfo,
    &CliRender,
    &CliConvert,
    &CliPalette,
};

void PrintToolUsage(std::FILE* out) {
  std::fprintf(out, "Usage: glintweave-cli COMMAND [ARGUMENTS]\n\nCommands:\n");
  for (const TCliCommand* c : Commands) std::fprintf(out, "%s\n", c->Usage);
  std::fprintf(out, "\n'glintweave-cli COMMAND --help' tells more about one command.\n");
}

}  // namespace

int CliUsageError(const TCliCommand& command, const QString& problem) {
  if (!problem.isEmpty()) std::fprintf(stderr, "glintweave-cli %s: %s\n", command.Name, qPrintable(problem));
  std::fprintf(stderr, "Usage:\n%s\n", command.Usage);
  return CliUsage;
}

bool CliWantsHelp(const TCliCommand& command, const QStringList& args) {
  if (!args.contains(QStringLiteral("--help")) && !args.contains(QStringLiteral("-h"))) return false;
  std::printf("Usage:\n%s\n", command.Usage);
  return true;
}

TCliArgs ParseCliArgs(const QStringList& args, const QStringList& valueOptions,
                      const QStringList& flags) {
  TCliArgs out;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a.startsWith(QStringLiteral("--"))) {
      const QString name = a.mid(2);
      if (flags.contains(name)) {
        out.Options.insert(name, QString());
      } else if (valueOptions.contains(name)) {
        if (i + 1 >= args.size()) {
          out.Problem = QStringLiteral("%1 needs a value").arg(a);
          return out;
        }
        out.Options.insert(name, args[++i]);
      } else {
        out.Problem = QStringLiteral("unknown option %1").arg(a);
        return out;
      }
    } else {
      out.Positional << a;
    }
  }
  return out;
}

int main(int argc, char** argv) {
  // Pictures need QtGui's image code only, never a display.
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  if (args.isEmpty()) {
    PrintToolUsage(stderr);
    return CliUsage;
  }
  const QString name = args.takeFirst();
  if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
    PrintToolUsage(stdout);
    return CliSuccess;
  }
  for (const TCliCommand* c : Commands) {
    if (name == QLatin1String(c->Name)) return c->Run(args);
  }
  std::fprintf(stderr, "glintweave-cli: unknown command '%s'\n\n", qPrintable(name));
  PrintToolUsage(stderr);
  return CliUsage;
}
