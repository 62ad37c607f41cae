#include "platform/ScriptedUserInterface.h"

TAnswer TScriptedUserInterface::MessageBox(const QString& text, const QString& caption,
                                           TButtons buttons, TIcon icon) {
  Messages.push_back({text, caption, buttons, icon, false});
  if (!Answers.empty()) {
    TAnswer a = Answers.front();
    Answers.pop_front();
    return a;
  }
  return buttons == TButtons::Ok || buttons == TButtons::OkCancel ? TAnswer::Ok : TAnswer::Yes;
}

void TScriptedUserInterface::ShowMessage(const QString& text) {
  Messages.push_back({text, QString(), TButtons::Ok, TIcon::None, true});
}

namespace {
template <class T>
std::optional<T> Next(std::deque<std::optional<T>>& queue) {
  std::optional<T> v;
  if (!queue.empty()) {
    v = std::move(queue.front());
    queue.pop_front();
  }
  return v;
}
}  // namespace

std::optional<QString> TScriptedUserInterface::ChooseOpenFile(const TFileRequest& request) {
  FileRequests.push_back(request);
  return Next(OpenFiles);
}

std::optional<QString> TScriptedUserInterface::ChooseSaveFile(const TFileRequest& request) {
  FileRequests.push_back(request);
  return Next(SaveFiles);
}

std::optional<TColor> TScriptedUserInterface::ChooseColor(TColor) { return Next(Colors); }

QStringList TScriptedUserInterface::Texts() const {
  QStringList out;
  for (const auto& m : Messages) out << m.Text;
  return out;
}
