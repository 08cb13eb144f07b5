#include "BetaalWijzeFrm.h"

#include "data/DataModFrm.h"
#include "views/DataActie.h"

TBetaalWijzeFrm::TBetaalWijzeFrm(TDataModFrm& dm, QWidget* parent)
    : TGridOnderhoudFrm(*dm.BetaalWDB, QStringLiteral("BetaalWijzeFrm"), QStringLiteral("Betaalwijze"), parent), m_dm(dm)
{
    ZetKolommen(
        {{QStringLiteral("Betaalwijze"), 130}, {QStringLiteral("Toeslag"), 90}, {QStringLiteral("Opmerking"), 460}});
}

void TBetaalWijzeFrm::FormHide()
{
    DataActie([this] { m_dm.VulBetaalwijzeLijst(); });
}
