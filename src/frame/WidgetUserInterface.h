#pragma once
// The user-interface seam as the application shows it: message boxes, file
// and colour dialogs on the screen.
#include "platform/UserInterface.h"

class TWidgetUserInterface : public TUserInterface {
public:
  TAnswer MessageBox(const QString& text, const QString& caption, TButtons buttons,
                     TIcon icon) override;
  void ShowMessage(const QString& text) override;
  std::optional<QString> ChooseOpenFile(const TFileRequest& request) override;
  std::optional<QString> ChooseSaveFile(const TFileRequest& request) override;
  std::optional<TColor> ChooseColor(TColor initial) override;
};
