#include "InfoBox.h"

#include "OrvelInfo.h"
#include "controls/KleurSchema.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

TInfoBox::TInfoBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InfoBox"));
    setWindowTitle(QStringLiteral("Info"));

    ProductName = new QLabel(QStringLiteral("Orvel 2003"), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont groot = ProductName->font();
    groot.setPointSize(groot.pointSize() + 6);
    groot.setBold(true);
    ProductName->setFont(groot);
    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(OrvelPlaatje(320, 140));
    const QString adres = OrvelWebAdres();
    WebLbl = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(adres, QUrl(adres).host()), this);
    WebLbl->setObjectName(QStringLiteral("WebLbl"));
    WebLbl->setOpenExternalLinks(true);
    VersieLbl = new QLabel(this);
    VersieLbl->setObjectName(QStringLiteral("VersieLbl"));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(ProductName, 0, 0, 1, 2);
    layout->addWidget(ProgramIcon, 1, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Versie:"), this), 2, 0);
    layout->addWidget(VersieLbl, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("Website:"), this), 3, 0);
    layout->addWidget(WebLbl, 3, 1);
    layout->addWidget(OKButton, 4, 0, 1, 2, Qt::AlignHCenter);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TInfoBox::showEvent(QShowEvent* event)
{
    SetColor(this);
    VersieLbl->setText(ProgrammaVersie());
    QDialog::showEvent(event);
}
