#include "KiesCursusFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/DataModFrm.h"
#include "views/DataActie.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSqlQuery>
#include <QVBoxLayout>

TKiesCursusFrm::TKiesCursusFrm(TDataModFrm& dm, QWidget* parent) : QDialog(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("KiesCursusFrm"));
    setWindowTitle(QStringLiteral("Kies een cursus"));
    CursusBox = MaakControl<QComboBox>(this, QStringLiteral("CursusBox"));
    CursusBox->setMinimumWidth(240);
    OKBtn = MaakKnop(this, QStringLiteral("OKBtn"), QStringLiteral("OK"));
    AnnuleerBtn = MaakKnop(this, QStringLiteral("AnnuleerBtn"), QStringLiteral("Annuleer"));
    connect(CursusBox, &QComboBox::activated, this, &TKiesCursusFrm::CursusBoxChange);
    connect(OKBtn, &QPushButton::clicked, this, &TKiesCursusFrm::OKBtnClick);
    connect(AnnuleerBtn, &QPushButton::clicked, this, &TKiesCursusFrm::AnnuleerBtnClick);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OKBtn);
    knoppen->addWidget(AnnuleerBtn);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(CursusBox);
    hoofd->addLayout(knoppen);
}

void TKiesCursusFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TKiesCursusFrm::FormShow()
{
    m_keuze.reset();
    SetColor(this);
    VulBox();
}

void TKiesCursusFrm::VulBox()
{
    CursusBox->clear();
    OKBtn->setEnabled(false);
    DataActie([this] {
        QSqlQuery q = m_dm.storage().exec(
            QStringLiteral("select CursusNaam, DiplomaCode from CursusProfiel order by CursusCode"));
        while (q.next())
            if (!q.value(1).toString().trimmed().isEmpty())
                CursusBox->addItem(q.value(0).toString());
    });
    CursusBox->setCurrentIndex(-1);
}

void TKiesCursusFrm::CursusBoxChange() { OKBtn->setEnabled(CursusBox->currentIndex() >= 0); }

void TKiesCursusFrm::OKBtnClick()
{
    const QString naam = CursusBox->currentText();
    DataActie([&] {
        QSqlQuery q = m_dm.storage().exec(
            QStringLiteral("select CursusCode, DiplomaCode, ImageIndex from CursusProfiel where CursusNaam = ?"), {naam});
        if (q.next())
            m_keuze = GekozenCursus{naam, q.value(0).toString(), q.value(1).toString(), q.value(2).toInt()};
    });
    if (m_keuze)
        accept();
}

void TKiesCursusFrm::AnnuleerBtnClick()
{
    m_keuze.reset();
    reject();
}
