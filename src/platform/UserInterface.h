#pragma once
// The one seam between the program and the person using it: message boxes,
// plain messages, file and colour dialogs, and letting pending events run.
// The GUI installs a widget implementation, the command-line tool one that
// writes to stderr, and tests a scripted one that records every question.
#include "platform/Colors.h"

#include <QString>
#include <optional>

enum class TButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TIcon { None, Information, Warning, Error, Question };
enum class TAnswer { Ok, Cancel, Yes, No };

struct TFileRequest {
  QString Title;
  QString Filter;      // "Bead File Pattern (*.bfp);;Bitmap (*.bmp)"
  QString DefaultSuffix;
  QString FileName;    // proposed name or folder
  QString SelectedFilter;  // the filter shown first; empty: the first one
};

class TUserInterface {
public:
  virtual ~TUserInterface() = default;

  virtual TAnswer MessageBox(const QString& text, const QString& caption, TButtons buttons,
                             TIcon icon) = 0;
  // The plain message dialog: the text and an OK button.
  virtual void ShowMessage(const QString& text) = 0;

  virtual std::optional<QString> ChooseOpenFile(const TFileRequest& request);
  virtual std::optional<QString> ChooseSaveFile(const TFileRequest& request);
  virtual std::optional<TColor> ChooseColor(TColor initial);

  // Lets queued events run in the middle of a long operation. User input is
  // held back unless the operation itself needs it (a cancel button).
  virtual void ProcessPendingEvents(bool includeUserInput);
};

// The installed implementation; a stderr one until something else is installed.
TUserInterface& UI();
// Installs ui (not owned) and returns the previous one; nullptr restores the default.
TUserInterface* SetUI(TUserInterface* ui);

// The program's usual message shapes.
// An operation's failure: caption "Error", an OK button.
void ShowError(const QString& text);
// A file system failure: the system's text, caption "GetLastError", information icon.
void ShowSystemError(const QString& systemText);

// Writes every message to stderr and answers the default (Ok, or Cancel / No).
class TStderrUserInterface : public TUserInterface {
public:
  TAnswer MessageBox(const QString& text, const QString& caption, TButtons buttons,
                     TIcon icon) override;
  void ShowMessage(const QString& text) override;
};

// Installs ui for the lifetime of the scope.
class TScopedUI {
public:
  explicit TScopedUI(TUserInterface& ui) : Previous(SetUI(&ui)) {}
  ~TScopedUI() { SetUI(Previous); }
  TScopedUI(const TScopedUI&) = delete;
  TScopedUI& operator=(const TScopedUI&) = delete;
private:
  TUserInterface* Previous;
};
