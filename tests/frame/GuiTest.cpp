#include "frame/GuiTest.h"

#include <QProgressBar>

void TRecordingUI::ProcessPendingEvents(bool includeUserInput) {
  TPending p{includeUserInput, QString(), -1, false};
  if (ProgressDlg) {
    p.ProgressCaption = ProgressDlg->windowTitle();
    p.ProgressValue = ProgressDlg->ProgressBar1->value();
    p.ProgressVisible = ProgressDlg->isVisible();
  }
  Pending.push_back(p);
  if (OnPending) OnPending();
  TUserInterface::ProcessPendingEvents(includeUserInput);
}

void GuiTest::SetUp() {
  EnsureApplication();
  Scope = std::make_unique<TScopedUI>(Ui);
  CreateApplicationForms();
  Glintweave->show();
  Settle();
}

void GuiTest::TearDown() {
  Ui.OnPending = nullptr;
  // Leaving without questions: nothing is asked of charts left open.
  if (Glintweave)
    for (int i = Glintweave->MDIChildCount() - 1; i >= 0; --i)
      Glintweave->MDIChildren(i)->Modified = false;
  DestroyApplicationForms();
  Settle();
  Scope.reset();
}

void GuiTest::Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

TMDIChild* GuiTest::NewChart(int width, int height, EPattern style) {
  Glintweave->CreateMode = 0;
  Glintweave->NewWidth = static_cast<std::int16_t>(width);
  Glintweave->NewHeight = static_cast<std::int16_t>(height);
  Glintweave->NewStyle = style;
  TMDIChild* child = Glintweave->CreateMDIChild(
      QStringLiteral("NONAME") + QString::number(Glintweave->MDIChildCount() + 1));
  Glintweave->SelectSpeedBtn(16);
  Settle();
  return child;
}

void GuiTest::WhenModal(std::function<void()> body) {
  QTimer::singleShot(0, [body] {
    body();
    // Never leave a modal loop running behind a failed expectation.
    if (QWidget* w = QApplication::activeModalWidget())
      if (auto* d = qobject_cast<QDialog*>(w)) d->done(QDialog::Rejected);
  });
}

QString GuiTest::WritePattern(const QString& name, EPattern style, int width, int height,
                              int rowGap, int columnGap) {
  TBeadPattern p;
  p.SetBeadPatternWidth(static_cast<std::uint16_t>(width));
  p.SetBeadPatternHeight(static_cast<std::uint16_t>(height));
  p.SetBeadSlackTop(static_cast<std::uint16_t>(rowGap));
  p.SetBeadSlackSide(static_cast<std::uint16_t>(columnGap));
  EXPECT_TRUE(p.NewPattern(style));
  const QString file = Path(name);
  EXPECT_TRUE(p.WritePatternFile(file));
  return file;
}

// The system font library keeps its caches for the life of the process;
// LeakSanitizer reports them at exit although nothing of ours leaks.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
