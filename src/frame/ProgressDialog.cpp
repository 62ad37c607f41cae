#include "frame/ProgressDialog.h"

#include "platform/UserInterface.h"

#include <QProgressBar>

#include <algorithm>

TProgressDlg* ProgressDlg = nullptr;

TProgressDlg::TProgressDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("ProgressDlg"));
  setWindowTitle(QStringLiteral("Progress"));
  setModal(false);
  setFixedSize(222, 41);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(10, 10, 200, 22);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
}

void TProgressDlg::Progress(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == ProgressBar1->value()) return;
  ProgressBar1->setValue(percent);
  UI().ProcessPendingEvents(false);
}

void TProgressDlg::StartPhase(const QString& caption) {
  setWindowTitle(caption);
  ProgressBar1->setValue(0);
}
