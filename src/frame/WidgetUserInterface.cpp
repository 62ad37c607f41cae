#include "frame/WidgetUserInterface.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(TIcon icon) {
  switch (icon) {
    case TIcon::Information: return QMessageBox::Information;
    case TIcon::Warning: return QMessageBox::Warning;
    case TIcon::Error: return QMessageBox::Critical;
    case TIcon::Question: return QMessageBox::Question;
    case TIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(TButtons buttons) {
  switch (buttons) {
    case TButtons::Ok: return QMessageBox::Ok;
    case TButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case TButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case TButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

std::optional<QString> RunFileDialog(const TFileRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(QApplication::activeWindow(), request.Title, request.FileName, request.Filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  if (!request.DefaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.DefaultSuffix);
  if (!request.SelectedFilter.isEmpty()) dialog.selectNameFilter(request.SelectedFilter);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

}  // namespace

TAnswer TWidgetUserInterface::MessageBox(const QString& text, const QString& caption,
                                         TButtons buttons, TIcon icon) {
  // No owner window, as the program's messages have always been shown.
  QMessageBox box(IconOf(icon), caption, text, ButtonsOf(buttons));
  switch (box.exec()) {
    case QMessageBox::Yes: return TAnswer::Yes;
    case QMessageBox::No: return TAnswer::No;
    case QMessageBox::Ok: return TAnswer::Ok;
    default: return TAnswer::Cancel;
  }
}

void TWidgetUserInterface::ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok);
  box.exec();
}

std::optional<QString> TWidgetUserInterface::ChooseOpenFile(const TFileRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> TWidgetUserInterface::ChooseSaveFile(const TFileRequest& request) {
  return RunFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<TColor> TWidgetUserInterface::ChooseColor(TColor initial) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), QApplication::activeWindow());
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}
