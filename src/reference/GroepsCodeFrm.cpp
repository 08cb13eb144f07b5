#include "GroepsCodeFrm.h"

#include "GroepsWerk.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/ToonMelding.h"
#include "views/DBNavigator.h"
#include "views/DataActie.h"
#include "views/TabelGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QToolButton>
#include <QVBoxLayout>

TGroepsCodeFrm::TGroepsCodeFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("GroepsCodeFrm"));
    setWindowTitle(QStringLiteral("GroepsCodes"));

    TableHandle& codes = *m_dm.GroepsCodeDB;
    ZolDBNavigator1 = new TDBNavigator(codes, QStringLiteral("ZolDBNavigator1"), this);
    ZolDBNavigator1->VerwijderVraag = false;
    ZolDBNavigator1->VoorActie = [this](TDBNavigator::Knop knop) { return ZolDBNavigator1BeforeAction(knop); };
    DBGrid1 = new TTabelGrid(codes, QStringLiteral("DBGrid1"), this);
    DBGrid1->ZetKolommen({QStringLiteral("GroepsCode")});
    DBGrid1->ZetBewerkbaar(true);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    connect(ZolDBNavigator1, &TDBNavigator::voorStap, DBGrid1, &TTabelGrid::BewaarInvoer);

    auto* balk = new QHBoxLayout;
    balk->addWidget(MaakExitBtn(QStringLiteral("Sluiten")));
    balk->addWidget(ZolDBNavigator1);
    balk->addStretch();
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(balk);
    hoofd->addWidget(DBGrid1, 1);
    resize(380, 460);
}

void TGroepsCodeFrm::FormShow()
{
    DataActie([this] { m_dm.GroepsCodeDB->first(); });
    DBGrid1->setFocus();
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
            && ToonMelding(mVraag,
                           QStringLiteral("Er zijn nog cursisten met deze groepscode!\rWilt u de groepscode toch verwijderen?"),
                           Knoppen::JaAnnuleren, true)
                   != Antwoord::Ja)
            return;
        storage.begin();
        try {
            if (inGebruik)
                WisGroepsCode(storage, code);
            codes.remove();
            storage.commit();
        } catch (...) {
            storage.rollback();
            throw;
        }
    } catch (const StilAfbreken&) {
    } catch (const std::exception& fout) {
        ToonMelding(mFout, QString::fromUtf8(fout.what()) + QStringLiteral(" Fout opgetreden bij het verwijderen van de groepscode"));
    }
    for (TableHandle* tabel : {m_dm.CursusGegevensDB, m_dm.HistorieCursusDB})
        if (tabel->isOpen() && tabel->heeftRij() && !tabel->wordtBewerkt())
            DataActie([tabel] { tabel->refresh(); });
}

bool TGroepsCodeFrm::MagSluiten()
{
    DBGrid1->BewaarInvoer();
    TableHandle& codes = *m_dm.GroepsCodeDB;
    if (!codes.wordtBewerkt())
        return true;
    if (ToonMelding(mVraag, QStringLiteral("Wilt u wijzigingen opslaan?"), Knoppen::JaNee, true) == Antwoord::Ja)
        return DataActie([&] { codes.post(); });
    DataActie([&] { codes.cancel(); });
    return true;
}
