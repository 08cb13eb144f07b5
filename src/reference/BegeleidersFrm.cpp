#include "BegeleidersFrm.h"

#include "data/DataModFrm.h"
#include "views/DataActie.h"
#include "views/TabelGrid.h"

TBegeleidersFrm::TBegeleidersFrm(TDataModFrm& dm, QWidget* parent)
    : TGridOnderhoudFrm(*dm.BegeleidersDB, QStringLiteral("BegeleidersFrm"), QStringLiteral("Begeleiders"), parent),
      m_dm(dm)
{
    ZetKolommen({{QStringLiteral("FunctieCode"), 100},
                 {QStringLiteral("Naam"), 170},
                 {QStringLiteral("PersoonCode"), 110},
                 {QStringLiteral("UurLoon"), 90},
                 {QStringLiteral("E_Mail"), 260}});
    DBGrid1->ZetKeuzeLijst(QStringLiteral("FunctieCode"), {QStringLiteral("I"), QStringLiteral("B")});
}

void TBegeleidersFrm::FormHide()
{
    DataActie([this] { m_dm.VulBegeleiderLijsten(); });
}
