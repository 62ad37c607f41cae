#include "frame/about.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(298, 218);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(8, 8, 282, 161);

  ProgramIcon = new QLabel(panel);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/icon/glintweave_64.png")));
  ProgramIcon->setGeometry(16, 16, 64, 64);

  ProductName = new QLabel(QStringLiteral("Glintweave"), panel);
  ProductName->setObjectName(QStringLiteral("ProductName"));
  QFont big = ProductName->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  ProductName->setFont(big);
  ProductName->setGeometry(96, 24, 176, 32);

  Version = new QLabel(QStringLiteral("Beta 1.0"), panel);
  Version->setObjectName(QStringLiteral("Version"));
  Version->setGeometry(96, 64, 176, 20);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(111, 180, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
