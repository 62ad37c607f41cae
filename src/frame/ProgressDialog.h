#pragma once
// TProgressDlg: the small modeless window with a progress bar that long chart
// operations report to. It is the chart model's progress sink.
#include "platform/Progress.h"

#include <QDialog>

class QProgressBar;

class TProgressDlg : public QDialog, public TProgressSink {
  Q_OBJECT
public:
  explicit TProgressDlg(QWidget* parent = nullptr);

  QProgressBar* ProgressBar1 = nullptr;

  // Moves the bar. Only a new percentage repaints; then queued events run
  // (never user input: the sender is in the middle of its work).
  void Progress(int percent) override;
  // A phase starts: the caption names it and the bar goes back to 0.
  void StartPhase(const QString& caption);
};

extern TProgressDlg* ProgressDlg;
