#include "DBNavigator.h"

#include "DataActie.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace {
struct KnopTekst {
    const char* naam;
    const char* symbool;
    const char* hint;
};
const KnopTekst knopTeksten[TDBNavigator::AantalKnoppen] = {
    {"NavEerste", "|◀", "Eerste record"},         {"NavVorige", "◀", "Vorige record"},
    {"NavVolgende", "▶", "Volgende record"},      {"NavLaatste", "▶|", "Laatste record"},
    {"NavInvoegen", "+", "Record invoegen"},      {"NavVerwijderen", "−", "Record verwijderen"},
    {"NavWijzigen", "▲", "Record wijzigen"},      {"NavOpslaan", "✔", "Wijziging opslaan"},
    {"NavAnnuleren", "✖", "Wijziging annuleren"},
};
}  // namespace

TDBNavigator::TDBNavigator(TableHandle& tabel, const QString& naam, QWidget* parent) : QWidget(parent), m_tabel(tabel)
{
    setObjectName(naam);
    auto* rij = new QHBoxLayout(this);
    rij->setContentsMargins(0, 0, 0, 0);
    rij->setSpacing(1);
    for (int k = 0; k < AantalKnoppen; ++k) {
        auto* knop = new QToolButton(this);
        knop->setObjectName(QLatin1String(knopTeksten[k].naam));
        knop->setText(QString::fromUtf8(knopTeksten[k].symbool));
        knop->setToolTip(QString::fromUtf8(knopTeksten[k].hint));
        knop->setMinimumSize(30, 26);
        connect(knop, &QToolButton::clicked, this, [this, k] { Klik(Knop(k)); });
        rij->addWidget(knop);
        m_knoppen[k] = knop;
    }
    rij->addStretch();
    for (auto signaal : {&TableHandle::afterScroll, &TableHandle::stateChanged, &TableHandle::dataChanged})
        connect(&tabel, signaal, this, &TDBNavigator::ZetKnoppen);
    ZetKnoppen();
}

void TDBNavigator::ZetKnoppen()
{
    const bool open = m_tabel.isOpen();
    const bool bewerkt = m_tabel.wordtBewerkt();
    const bool rij = open && m_tabel.heeftRij();
    const bool terug = rij && (!m_tabel.bof() || bewerkt);
    const bool verder = rij && (!m_tabel.eof() || bewerkt);
    const bool aan[AantalKnoppen] = {terug,          terug,           verder,  verder, open,
                                     rij || bewerkt, rij && !bewerkt, bewerkt, bewerkt};
    for (int k = 0; k < AantalKnoppen; ++k)
        m_knoppen[k]->setEnabled(aan[k]);
}

void TDBNavigator::VerbergKnop(Knop k) { m_knoppen[k]->hide(); }

void TDBNavigator::Klik(Knop k)
{
    if (m_knoppen[k]->isHidden())
        return;
    Q_EMIT voorStap();
    if (VoorActie && !VoorActie(k)) {
        ZetKnoppen();
        return;
    }
    if (k == Verwijderen && VerwijderVraag && m_tabel.toestand() != TableHandle::Toestand::Invoegen
        && ToonMelding(mVraag, QStringLiteral("Record verwijderen?"), Knoppen::OKAnnuleren) != Antwoord::OK)
        return;
    DataActie([&] {
        switch (k) {
        case Eerste: m_tabel.first(); break;
        case Vorige: m_tabel.prior(); break;
        case Volgende: m_tabel.next(); break;
        case Laatste: m_tabel.last(); break;
        case Invoegen: m_tabel.insert(); break;
        case Verwijderen: m_tabel.remove(); break;
        case Wijzigen: m_tabel.edit(); break;
        case Opslaan: m_tabel.post(); break;
        case Annuleren: m_tabel.cancel(); break;
        case AantalKnoppen: break;
        }
    });
    ZetKnoppen();
}
