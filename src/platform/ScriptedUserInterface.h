#pragma once
// A user interface for tests: records every message and answers from a script.
#include "platform/UserInterface.h"

#include <QStringList>
#include <deque>
#include <vector>

struct TRecordedMessage {
  QString Text;
  QString Caption;   // empty for a plain message
  TButtons Buttons = TButtons::Ok;
  TIcon Icon = TIcon::None;
  bool Plain = false;
};

class TScriptedUserInterface : public TUserInterface {
public:
  TAnswer MessageBox(const QString& text, const QString& caption, TButtons buttons,
                     TIcon icon) override;
  void ShowMessage(const QString& text) override;
  std::optional<QString> ChooseOpenFile(const TFileRequest& request) override;
  std::optional<QString> ChooseSaveFile(const TFileRequest& request) override;
  std::optional<TColor> ChooseColor(TColor initial) override;

  // Answers to give, in order; when none is left: Ok, Yes for questions.
  std::deque<TAnswer> Answers;
  // File names to "choose"; nullopt means the dialog was cancelled.
  std::deque<std::optional<QString>> OpenFiles, SaveFiles;
  std::deque<std::optional<TColor>> Colors;

  std::vector<TRecordedMessage> Messages;
  std::vector<TFileRequest> FileRequests;

  QStringList Texts() const;
  void Clear() { Messages.clear(); FileRequests.clear(); }
};
