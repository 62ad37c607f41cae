// The file commands: New, Open, Save, Save As, Close, Exit, and closing the frame.
#include "frame/Main.h"

#include "chartwindow/ChildWin.h"
#include "frame/PatternSizeForm.h"
#include "platform/UserInterface.h"

#include <QCloseEvent>
#include <QImageWriter>
#include <QLineEdit>
#include <QMdiArea>
#include <QSaveFile>

#include <exception>

namespace {

const QString PatternFilter = QStringLiteral("Bead File Pattern (*.BFP *.bfp)");

TFileRequest OpenRequest() {
  TFileRequest r;
  r.Filter = QStringLiteral("Any (*.*);;") + PatternFilter;
  r.SelectedFilter = PatternFilter;
  r.DefaultSuffix = QStringLiteral("BFP");
  return r;
}

TFileRequest SaveRequest() {
  TFileRequest r;
  r.Title = QStringLiteral(" ");
  r.Filter = QStringLiteral("BitMap (*.BMP *.bmp);;") + PatternFilter;
  r.SelectedFilter = PatternFilter;
  r.DefaultSuffix = QStringLiteral("BFP");
  return r;
}

}  // namespace

QString TGlintweave::CaptionOf(const QString& fileName) {
  const int cut = std::max(fileName.lastIndexOf(QLatin1Char('\\')), fileName.lastIndexOf(QLatin1Char('/')));
  return fileName.mid(cut + 1);
}

QString TGlintweave::ExtensionOf(const QString& fileName) {
  const int dot = fileName.lastIndexOf(QLatin1Char('.'));
  if (dot < 0) return fileName.left(3).toLower();
  return fileName.mid(dot + 1, 3).toLower();
}

void TGlintweave::ShowChartRequired() { UI().ShowMessage(QString::fromLatin1(ChartRequiredText)); }

TMDIChild* TGlintweave::CreateMDIChild(const QString& name) {
  TMDIChild* child = nullptr;
  try {
    // Built before it joins the workspace, so nothing can reach it half made.
    child = new TMDIChild();
    if (child->Failed()) {
      delete child;
      return nullptr;
    }
    child->FileName = name;
    child->setWindowTitle(CaptionOf(name));
    ClientArea->addSubWindow(child);
    connect(child, &QObject::destroyed, this,
            [this] { QMetaObject::invokeMethod(this, &TGlintweave::UpdateMenuItems, Qt::QueuedConnection); });
    child->show();
    child->FitToPicture();
    return child;
  } catch (const std::exception&) {
    ShowError(QStringLiteral("MDI Child Failed"));
    return child;
  }
}

void TGlintweave::NewFile() {
  try {
    PatternSize_f->exec();
    if (PatternSize_f->Cancelled) {
      PatternSize_f->Cancelled = false;
      return;
    }
    bool heightOk = false, widthOk = false;
    const int height = PatternSize_f->HeightEdit->text().toInt(&heightOk);
    const int width = PatternSize_f->WidthEdit->text().toInt(&widthOk);
    const auto style = static_cast<EPattern>(PatternSize_f->StyleChoice);
    if (!heightOk || !widthOk || height < 0 || width < 0) {
      // Digits too many for a number: a size no chart can have.
      const QString digits = QStringLiteral("0123456789");
      auto allDigits = [&](const QString& t) {
        if (t.isEmpty()) return false;
        for (QChar c : t)
          if (!digits.contains(c)) return false;
        return true;
      };
      if (allDigits(PatternSize_f->HeightEdit->text()) && allDigits(PatternSize_f->WidthEdit->text()))
        ShowError(QString::fromLatin1(ChartTooLargeText));
      return;
    }
    // Refused before anything changes: the chart's positions must fit 16 bits.
    if (!TBeadPattern::LayoutFits(style, width, height, 1.0f, 1, 1)) {
      ShowError(QString::fromLatin1(ChartTooLargeText));
      return;
    }
    CreateMode = 0;
    NewHeight = static_cast<std::int16_t>(height);
    NewWidth = static_cast<std::int16_t>(width);
    NewStyle = style;
    CheckStyleItem(NewStyle);
    CreateMDIChild(QStringLiteral("NONAME") + QString::number(MDIChildCount() + 1));
    SelectSpeedBtn(16);
  } catch (const std::exception&) {
  }
}

void TGlintweave::OpenFile() {
  try {
    if (const auto name = UI().ChooseOpenFile(OpenRequest())) {
      CreateMode = 2;
      PendingFileName = *name;
      CreateMDIChild(*name);
      SelectSpeedBtn(16);
    }
  } catch (const std::exception&) {
  }
  UpdateMenuItems();
}

bool TGlintweave::save() {
  try {
    TMDIChild* child = ActiveMDIChild();
    if (!child) {
      ShowChartRequired();
      return false;
    }
    return save(child);
  } catch (const std::exception&) {
    UI().ShowMessage(QStringLiteral("Could not Save save(void)"));
    return false;
  }
}

bool TGlintweave::save(TMDIChild* child) {
  try {
    const QString name = CaptionOf(child->FileName);
    if (child->FileName.left(6) == QLatin1String("NONAME")) return saveAs(child);
    if (!name.contains(QLatin1Char('.'))) return saveAs(child);
    if (ExtensionOf(name) == QLatin1String("bmp")) {
      UI().ShowMessage(QStringLiteral("Warning saving in this format data can\n"
                                      "only be retrieved by converting it back."));
      return WriteBitmap(child);
    }
    // A chart whose file was not written stays marked as changed.
    if (!child->SavePattern()) return false;
    child->Modified = false;
    return true;
  } catch (const std::exception&) {
    UI().ShowMessage(QStringLiteral("Could not Save save(TMDIChild *Child)"));
    return false;
  }
}

bool TGlintweave::saveAs() {
  try {
    const auto name = UI().ChooseSaveFile(SaveRequest());
    if (!name) return false;
    TMDIChild* child = ActiveMDIChild();
    if (!child) {
      ShowChartRequired();
      return false;
    }
    return SaveUnder(child, *name);
  } catch (const std::exception&) {
    return false;
  }
}

bool TGlintweave::saveAs(TMDIChild* child) {
  try {
    const auto name = UI().ChooseSaveFile(SaveRequest());
    return name && SaveUnder(child, *name);
  } catch (const std::exception&) {
    return false;
  }
}

// The chart takes the chosen name; a ".bmp" name writes a picture instead.
bool TGlintweave::SaveUnder(TMDIChild* child, const QString& name) {
  child->FileName = name;
  if (ExtensionOf(CaptionOf(name)) == QLatin1String("bmp")) return WriteBitmap(child);
  child->setWindowTitle(CaptionOf(name));
  return save(child);
}

bool TGlintweave::WriteBitmap(TMDIChild* child) {
  // Written beside the target and renamed over it, so a failed write leaves
  // an older picture whole. The format is fixed: the name may say ".BmPx".
  QSaveFile file(child->FileName);
  if (!file.open(QIODevice::WriteOnly)) {
    ShowSystemError(file.errorString());
    return false;
  }
  QImageWriter writer(&file, "bmp");
  if (!writer.write(child->Bitmap.Image())) {
    const QString why = writer.errorString();
    file.cancelWriting();
    ShowSystemError(why);
    return false;
  }
  if (!file.commit()) {
    ShowSystemError(file.errorString());
    return false;
  }
  return true;
}

void TGlintweave::FileCloseItemClick() {
  try {
    TMDIChild* child = ActiveMDIChild();
    if (!child) {
      ShowChartRequired();
    } else if (UI().MessageBox(QStringLiteral("Do you want to close ") + child->FileName +
                                   QStringLiteral(" ?"),
                               QStringLiteral("Warnning"), TButtons::YesNoCancel,
                               TIcon::Question) == TAnswer::Yes) {
      child->close();
    }
  } catch (const std::exception&) {
  }
  UpdateMenuItems();
}

void TGlintweave::FileExitItemClick() {
  try {
    if (UI().MessageBox(QStringLiteral("Do you want to Exit?"), QStringLiteral("Warnning"),
                        TButtons::YesNoCancel, TIcon::Question) == TAnswer::Yes)
      close();
  } catch (const std::exception&) {
  }
}

void TGlintweave::closeEvent(QCloseEvent* event) {
  // Every chart with unsaved changes is asked about first; Cancel (or a save
  // that did not happen) keeps the program, and every chart, open.
  const int count = MDIChildCount();
  for (int i = 0; i < count; ++i) {
    TMDIChild* child = MDIChildren(i);
    if (child && (child->Busy() || !child->ConfirmClose())) {
      event->ignore();
      return;
    }
  }
  for (int i = MDIChildCount() - 1; i >= 0; --i)
    if (TMDIChild* child = MDIChildren(i)) child->CloseWithoutAsking();
  event->accept();
  QMainWindow::closeEvent(event);
}
