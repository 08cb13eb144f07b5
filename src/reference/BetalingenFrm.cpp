#include "BetalingenFrm.h"

#include "Betalingen.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/ToonMelding.h"
#include "views/CursusBar.h"
#include "views/DataActie.h"

#include <QPushButton>

TBetalingenFrm::TBetalingenFrm(TDataModFrm& dm, QWidget* parent)
    : TCursusKeuzeFrm(dm.storage(), QStringLiteral("BetalingenFrm"), QStringLiteral("Registreren Betalingen"),
                      QStringLiteral("Verwerk de betalingen"), QStringLiteral("Aanvinken als cursist heeft betaald"),
                      parent)
{
    CursusBar->ZetNieuwsteEerst(true);
}

void TBetalingenFrm::FormShow()
{
    Reset();
    VulCursusBar();
}

// Every course, phone lists too, the most recent first.
void TBetalingenFrm::VulCursusBar() { CursusBar->Vul(); }

bool TBetalingenFrm::GetCursisten()
{
    QList<CursusDeelnemer> deelnemers;
    QList<bool> betaald;
    try {
        deelnemers = LeesCursusDeelnemers(m_storage, m_cursusID);
        QStringList nrs;
        for (const CursusDeelnemer& d : std::as_const(deelnemers))
            nrs << d.CursistNr;
        betaald = LeesBetaald(m_storage, nrs, m_cursusCode);
    } catch (const std::exception&) {
        ToonMelding(mFout, QStringLiteral("Fout opgetreden bij lezen cursusrecords!"), Knoppen::OK, true);
        Reset();
        return false;
    }
    ToonDeelnemers(deelnemers, betaald);
    VerwerkBtn->setEnabled(betaald.contains(true));
    return true;
}

void TBetalingenFrm::VerwerkBtnClick()
{
    if (ToonMelding(mVraag, QStringLiteral("Betalingen nu verwerken?"), Knoppen::JaNee, true) != Antwoord::Ja)
        return;
    {
        WachtCursor wacht;
        if (!DataActie([this] { SchrijfBetalingen(m_storage, m_cursusCode, Vinkjes()); }))
            return;
    }
    Reset();
    VulCursusBar();
}
