#pragma once
// Shared by the GUI tests: the application object, every form of the program
// made fresh for each test, and a scripted seam that also records when pending
// events were let run.
#include "chartwindow/ChildWin.h"
#include "frame/Application.h"
#include "frame/Main.h"
#include "frame/PatternSizeForm.h"
#include "frame/ProgressDialog.h"
#include "platform/ScriptedUserInterface.h"

#include <QApplication>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "glintweave-test";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) {
    new QApplication(argc, argv);
    // Tests close the frame now and then; that must not end anything.
    QApplication::setQuitOnLastWindowClosed(false);
  }
}

// Records every request to let pending events run, and can act at that moment
// (as queued events would).
class TRecordingUI : public TScriptedUserInterface {
public:
  struct TPending {
    bool IncludeUserInput;
    QString ProgressCaption;
    int ProgressValue;
    bool ProgressVisible;
  };
  std::vector<TPending> Pending;
  std::function<void()> OnPending;

  void ProcessPendingEvents(bool includeUserInput) override;
};

class GuiTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Lets queued work and deferred deletes run.
  static void Settle();
  // A new chart as File > New makes it, without the dialog.
  TMDIChild* NewChart(int width, int height, EPattern style = BPsquare);
  // Runs body once the next modal dialog is up.
  static void WhenModal(std::function<void()> body);
  QString Path(const QString& name) const { return Dir.filePath(name); }
  // A pattern file written by the model itself.
  QString WritePattern(const QString& name, EPattern style, int width, int height,
                       int rowGap = 1, int columnGap = 1);

  TRecordingUI Ui;
  std::unique_ptr<TScopedUI> Scope;
  QTemporaryDir Dir;
};
