#pragma once
// Runs the built glintweave-cli and collects what it printed.
#include <QProcess>
#include <QStringList>

struct TCliRun {
  int Exit = -1;
  QString Out, Err;
};

inline TCliRun RunCli(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(GLINTWEAVE_BINARY_DIR "/src/glintweave-cli"), args);
  TCliRun run;
  if (!process.waitForFinished(120000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.Exit = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
  run.Out = QString::fromUtf8(process.readAllStandardOutput());
  run.Err = QString::fromUtf8(process.readAllStandardError());
  return run;
}
