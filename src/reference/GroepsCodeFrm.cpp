#include "GroepsCodeFrm.h"

#include "GroepsWerk.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/ToonMelding.h"
#include "data/Transactie.h"
#include "views/DBNavigator.h"
#include "views/DataActie.h"

TGroepsCodeFrm::TGroepsCodeFrm(TDataModFrm& dm, QWidget* parent)
    : TGridOnderhoudFrm(*dm.GroepsCodeDB, QStringLiteral("GroepsCodeFrm"), QStringLiteral("GroepsCodes"), parent),
      ZolDBNavigator1(DBNavigator1), m_dm(dm)
{
    ZolDBNavigator1->setObjectName(QStringLiteral("ZolDBNavigator1"));
    ZolDBNavigator1->VerwijderVraag = false;
    ZolDBNavigator1->VoorActie = [this](TDBNavigator::Knop knop) { return ZolDBNavigator1BeforeAction(knop); };
    ZetKolommen({{QStringLiteral("GroepsCode"), TTabelGrid::Kolom::Rest}});
    resize(380, 460);
}

void TGroepsCodeFrm::FormHide() { m_dm.VulGroepsCodeLijst(); }

bool TGroepsCodeFrm::ZolDBNavigator1BeforeAction(int knop)
{
    if (knop != TDBNavigator::Verwijderen || m_dm.GroepsCodeDB->toestand() == TableHandle::Toestand::Invoegen)
        return true;
    GroepsCodeCheck();
    return false;
}

void TGroepsCodeFrm::GroepsCodeCheck()
{
    TableHandle& codes = *m_dm.GroepsCodeDB;
    Storage& storage = m_dm.storage();
    DataActie([&] { codes.cancel(); });
    if (!codes.heeftRij())
        return;
    const QString code = codes.text(QStringLiteral("GroepsCode"));
    try {
        const bool inGebruik = GroepsCodeInGebruik(storage, code);
        if (inGebruik
            && ToonMelding(
                   mVraag,
                   QStringLiteral("Er zijn nog cursisten met deze groepscode!\rWilt u de groepscode toch verwijderen?"),
                   Knoppen::JaAnnuleren, true)
                   != Antwoord::Ja)
            return;
        Transactie t(storage);
        if (inGebruik)
            WisGroepsCode(storage, code);
        codes.remove();
        t.commit();
    } catch (const StilAfbreken&) {
    } catch (const std::exception& fout) {
        ToonMelding(mFout, QString::fromUtf8(fout.what())
                               + QStringLiteral(" Fout opgetreden bij het verwijderen van de groepscode"));
    }
    for (TableHandle* tabel : {m_dm.CursusGegevensDB, m_dm.HistorieCursusDB})
        if (tabel->isOpen() && tabel->heeftRij() && !tabel->wordtBewerkt())
            DataActie([tabel] { tabel->refresh(); });
}
