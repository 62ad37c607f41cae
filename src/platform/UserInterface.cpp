#include "platform/UserInterface.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
TStderrUserInterface DefaultUI;
TUserInterface* Installed = nullptr;
}

TUserInterface& UI() { return Installed ? *Installed : DefaultUI; }

TUserInterface* SetUI(TUserInterface* ui) {
  TUserInterface* previous = Installed;
  Installed = ui;
  return previous;
}

void ShowError(const QString& text) {
  UI().MessageBox(text, QStringLiteral("Error"), TButtons::Ok, TIcon::None);
}

void ShowSystemError(const QString& systemText) {
  UI().MessageBox(systemText, QStringLiteral("GetLastError"), TButtons::Ok, TIcon::Information);
}

std::optional<QString> TUserInterface::ChooseOpenFile(const TFileRequest&) { return std::nullopt; }
std::optional<QString> TUserInterface::ChooseSaveFile(const TFileRequest&) { return std::nullopt; }
std::optional<TColor> TUserInterface::ChooseColor(TColor) { return std::nullopt; }

void TUserInterface::ProcessPendingEvents(bool includeUserInput) {
  if (!QCoreApplication::instance()) return;
  QCoreApplication::processEvents(includeUserInput ? QEventLoop::AllEvents
                                                   : QEventLoop::ExcludeUserInputEvents);
}

TAnswer TStderrUserInterface::MessageBox(const QString& text, const QString& caption,
                                         TButtons buttons, TIcon) {
  (void)caption;
  std::fprintf(stderr, "%s\n", qPrintable(text));
  switch (buttons) {
    case TButtons::Ok: return TAnswer::Ok;
    case TButtons::OkCancel: return TAnswer::Cancel;
    case TButtons::YesNo: return TAnswer::No;
    case TButtons::YesNoCancel: return TAnswer::Cancel;
  }
  return TAnswer::Cancel;
}

void TStderrUserInterface::ShowMessage(const QString& text) {
  std::fprintf(stderr, "%s\n", qPrintable(text));
}
