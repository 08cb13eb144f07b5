#include "WoonplaatsFrm.h"

#include "data/DataModFrm.h"
#include "views/DataActie.h"

#include <QLabel>

namespace {
const QString OpStad = QStringLiteral("OpStad");
}

TWoonplaatsFrm::TWoonplaatsFrm(TDataModFrm& dm, QWidget* parent)
    : TGridOnderhoudFrm(*dm.StedenDB, QStringLiteral("WoonplaatsFrm"), QStringLiteral("Woonplaatsen"), parent)
{
    ZetKolommen({{QStringLiteral("StadCode"), 70},
                 {QStringLiteral("Stad"), 220},
                 {QStringLiteral("Provincie"), 130},
                 {QStringLiteral("Netnummer"), 80},
                 {QStringLiteral("PostcodeE"), 80},
                 {QStringLiteral("PostcodeS"), 80},
                 {QStringLiteral("StreekCode"), 80},
                 {QStringLiteral("LandCode"), 70}});
    LandCodeLbl = new QLabel(QStringLiteral("Betekenis landcode : 0=NL 1=BE 2=DU"), this);
    LandCodeLbl->setObjectName(QStringLiteral("LandCodeLbl"));
    ZetInBalk(LandCodeLbl);
}

void TWoonplaatsFrm::FormShow()
{
    DataActie([this] { Tabel().setIndexName(OpStad); });
    TGridOnderhoudFrm::FormShow();
}

bool TWoonplaatsFrm::MagSluiten()
{
    DBGrid1->BewaarInvoer();
    return DataActie([this] { Tabel().post(); });
}

void TWoonplaatsFrm::FormHide()
{
    DataActie([this] {
        Tabel().cancel();
        Tabel().setIndexName({});
    });
}
