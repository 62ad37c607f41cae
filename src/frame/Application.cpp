#include "frame/Application.h"

#include "chartwindow/ChildWin.h"
#include "conversion/ScanForm.h"
#include "frame/FillMenuForm.h"
#include "frame/Main.h"
#include "frame/PatternSizeForm.h"
#include "frame/ProgressDialog.h"
#include "frame/WidgetUserInterface.h"
#include "frame/about.h"
#include "palette/ColorBox.h"
#include "palette/Pallet.h"

#include <QApplication>

void CreateApplicationForms() {
  Glintweave = new TGlintweave();
  AboutBox = new TAboutBox();
  FillMenu = new TFillMenu();
  PatternSize_f = new TPatternSize_f();
  Scan_f = new TScan_f();
  ProgressDlg = new TProgressDlg();
  PalletChange = new TPalletChange();
  ColorSelect = new TColorSelect();
}

template <class T>
static void Free(T*& form) {
  delete form;
  form = nullptr;
}

void DestroyApplicationForms() {
  // The charts go with the frame; the progress window must outlive them.
  delete Glintweave;
  Glintweave = nullptr;
  Free(ColorSelect);
  Free(PalletChange);
  Free(ProgressDlg);
  Free(Scan_f);
  Free(PatternSize_f);
  Free(FillMenu);
  Free(AboutBox);
  LastActiveChart.clear();
}

int RunGlintweave(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Glintweave"));
  QApplication::setApplicationDisplayName(QStringLiteral("Glintweave"));
  TWidgetUserInterface ui;
  TScopedUI installed(ui);
  CreateApplicationForms();
  Glintweave->show();
  const int result = app.exec();
  DestroyApplicationForms();
  return result == 0 ? 0 : result;
}
