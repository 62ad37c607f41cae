// The Edit menu on the active chart, the Draw options that the tools read when
// they act, the bead highlight switch and the pattern information report.
#include "frame/Main.h"

#include "chartwindow/ChildWin.h"
#include "platform/UserInterface.h"

#include <QAction>

void TGlintweave::ConnectEditCommands() {
  connect(Undo1, &QAction::triggered, this, &TGlintweave::Undo1Click);
  connect(Copy1, &QAction::triggered, this, &TGlintweave::Copy1Click);
  connect(Cut1, &QAction::triggered, this, &TGlintweave::Cut1Click);
  connect(Past1, &QAction::triggered, this, &TGlintweave::Past1Click);

  // The radio groups move the check marks themselves.
  connect(Floodeverything1, &QAction::triggered, this, [this] { FillMode = 0; });
  connect(FillOnlyBasebeads1, &QAction::triggered, this, [this] { FillMode = 1; });
  connect(ReplaceColor1, &QAction::triggered, this, [this] { FillMode = 2; });
  static const float deviations[7] = {0.05f, 0.10f, 0.15f, 0.20f, 0.25f, 0.30f, 0.35f};
  for (int i = 0; i < 7; ++i) {
    const float value = deviations[i];
    connect(LineDeviationItems[i], &QAction::triggered, this, [this, value] {
      LineDeviation = value;
    });
  }
  connect(FillPolygons1, &QAction::triggered, this,
          [this] { FillPolygons = FillPolygons1->isChecked(); });
  connect(BeadHighlight1, &QAction::triggered, this, &TGlintweave::BeadHighlight1Click);
  connect(PatternInformation1, &QAction::triggered, this,
          &TGlintweave::PatternInformation1Click);
}

void TGlintweave::Undo1Click() {
  TMDIChild* child = ActiveMDIChild();
  if (!child) {
    ShowChartRequired();
    return;
  }
  child->Undo();
}

void TGlintweave::Copy1Click() {
  TMDIChild* child = ActiveMDIChild();
  if (!child) {
    ShowChartRequired();
    return;
  }
  child->CopyBlock(true);
}

void TGlintweave::Cut1Click() {
  TMDIChild* child = ActiveMDIChild();
  if (!child) {
    ShowChartRequired();
    return;
  }
  child->CopyBlock(false);
}

void TGlintweave::Past1Click() {
  TMDIChild* child = ActiveMDIChild();
  if (!child) {
    ShowChartRequired();
    return;
  }
  child->PasteBlock();
}

void TGlintweave::BeadHighlight1Click() {
  // The item has already changed its check mark; the outline goes at once
  // either way and comes back with the next move onto another bead.
  if (TMDIChild* child = ActiveMDIChild()) {
    child->Tools.ForgetHighlight();
    child->RepaintChart();
  }
}

void TGlintweave::PatternInformation1Click() {
  TMDIChild* child = ActiveMDIChild();
  if (!child) {
    ShowChartRequired();
    return;
  }
  UI().ShowMessage(child->PatternInfo());
}
