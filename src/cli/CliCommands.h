#pragma once
// glintweave-cli's commands. Each command lives in a Cli_<Name>.cpp of its own
// and is listed once in the table in CliMain.cpp.
#include <QMap>
#include <QStringList>

// Exit codes shared by every command.
enum ECliExit { CliSuccess = 0, CliRefused = 1, CliUsage = 2 };

struct TCliCommand {
  const char* Name;
  const char* Usage;    // one or more lines, printed by --help and on wrong arguments
  int (*Run)(const QStringList& args);  // args: everything after the command name
};

// Prints the command's usage to stderr and returns CliUsage.
int CliUsageError(const TCliCommand& command, const QString& problem);
// True when args ask for help; prints the usage to stdout then.
bool CliWantsHelp(const TCliCommand& command, const QStringList& args);

// Options of the form --name VALUE, and the positional arguments left over.
struct TCliArgs {
  QStringList Positional;
  QMap<QString, QString> Options;
  QString Problem;  // set when the arguments cannot be taken
};
// valueOptions: the option names (without "--") that take a value; flags: those that take none.
TCliArgs ParseCliArgs(const QStringList& args, const QStringList& valueOptions,
                      const QStringList& flags = {});
