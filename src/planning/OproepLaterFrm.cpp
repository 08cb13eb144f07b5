#include "OproepLaterFrm.h"

#include "OproepManager.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/ZolDatum.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

TOproepLaterFrm::TOproepLaterFrm(const QDate& vandaag, QWidget* parent) : QDialog(parent), m_vandaag(vandaag)
{
    setObjectName(QStringLiteral("OproepLaterFrm"));
    setWindowTitle(QStringLiteral("Bepalen volgende oproep"));
    // No system buttons: only OK closes it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    EditOproepDatum = MaakControl<QDateEdit>(this, QStringLiteral("EditOproepDatum"), vandaag);
    EditOproepDatum->setDisplayFormat(QString::fromLatin1(KorteDatumFormaat));
    EditOproepDatum->setCalendarPopup(true);
    EditOproepDatum->setToolTip(QStringLiteral("DVul eventueel een latere datum in."));
    OkBtn = MaakKnop(this, QStringLiteral("OkBtn"), QStringLiteral("&Ok"));
    connect(OkBtn, &QPushButton::clicked, this, &TOproepLaterFrm::OkBtnClick);

    const auto regel = [this](const QString& tekst, bool vet = false) {
        auto* label = new QLabel(tekst, this);
        label->setTextFormat(Qt::PlainText);
        if (vet)
            label->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
        return label;
    };
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(regel(QStringLiteral("Het invoervak geeft de datum van vandaag weer.")));
    hoofd->addWidget(regel(QStringLiteral("De cursist wordt zo SPOEDIG MOGELIJK opgeroepen.")));
    hoofd->addWidget(regel(QStringLiteral("Moet de oproep later komen dan een LATER tijdstip opgeven!")));
    hoofd->addSpacing(8);
    auto* letOp = regel(QStringLiteral("<< LET OP >>"), true);
    letOp->setAlignment(Qt::AlignCenter);
    hoofd->addWidget(letOp);
    hoofd->addWidget(regel(QStringLiteral("Dit is een datum die bij benadering wordt aangehouden!")));
    hoofd->addWidget(regel(QStringLiteral("Het programma zal cursist oproepen omstreeks deze datum. ")));
    hoofd->addSpacing(8);
    auto* datum = new QHBoxLayout;
    datum->addWidget(regel(QStringLiteral("Eventuele latere datum :")));
    datum->addWidget(EditOproepDatum);
    datum->addStretch();
    datum->addWidget(OkBtn);
    hoofd->addLayout(datum);
    hoofd->setSizeConstraint(QLayout::SetFixedSize);
    SetColor(this);
}

void TOproepLaterFrm::OkBtnClick()
{
    EditOproepDatum->setDate(OproepManager::VolgendeOproep(EditOproepDatum->date(), m_vandaag));
    accept();
}

QDate TOproepLaterFrm::VolgendeOproep() const
{
    return OproepManager::VolgendeOproep(EditOproepDatum->date(), m_vandaag);
}

QDate TOproepLaterFrm::Vraag(const QDate& vandaag, QWidget* parent)
{
    std::unique_ptr<TOproepLaterFrm> venster;
    {
        WachtCursor wacht;
        venster = std::make_unique<TOproepLaterFrm>(vandaag, parent);
    }
    venster->exec();
    return venster->VolgendeOproep();
}

void TOproepLaterFrm::closeEvent(QCloseEvent* event) { event->ignore(); }

// Escape is no answer either.
void TOproepLaterFrm::reject() {}
