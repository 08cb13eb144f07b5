#include "WoonplaatsFrm.h"

#include "data/DataModFrm.h"
#include "views/DBNavigator.h"
#include "views/DataActie.h"
#include "views/TabelGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString OpStad = QStringLiteral("OpStad");
}

TWoonplaatsFrm::TWoonplaatsFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("WoonplaatsFrm"));
    setWindowTitle(QStringLiteral("Woonplaatsen"));

    TableHandle& steden = *m_dm.StedenDB;
    DBNavigator1 = new TDBNavigator(steden, QStringLiteral("DBNavigator1"), this);
    DBGrid1 = new TTabelGrid(steden, QStringLiteral("DBGrid1"), this);
    DBGrid1->ZetKolommen({QStringLiteral("StadCode"), QStringLiteral("Stad"), QStringLiteral("Provincie"),
                          QStringLiteral("Netnummer"), QStringLiteral("PostcodeE"), QStringLiteral("PostcodeS"),
                          QStringLiteral("StreekCode"), QStringLiteral("LandCode")});
    DBGrid1->ZetBewerkbaar(true);
    const int breedtes[] = {70, 220, 130, 80, 80, 80, 80, 70};
    for (int k = 0; k < 8; ++k)
        DBGrid1->horizontalHeader()->resizeSection(k, breedtes[k]);
    connect(DBNavigator1, &TDBNavigator::voorStap, DBGrid1, &TTabelGrid::BewaarInvoer);

    LandCodeLbl = new QLabel(QStringLiteral("Betekenis landcode : 0=NL 1=BE 2=DU"), this);
    LandCodeLbl->setObjectName(QStringLiteral("LandCodeLbl"));

    auto* boven = new QHBoxLayout;
    boven->addWidget(DBNavigator1);
    boven->addStretch();
    boven->addWidget(LandCodeLbl);
    boven->addSpacing(16);
    boven->addWidget(MaakExitBtn(QStringLiteral("Sluiten")));
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(boven);
    hoofd->addWidget(DBGrid1, 1);
    resize(900, 480);
}

void TWoonplaatsFrm::FormShow()
{
    DataActie([this] {
        TableHandle& steden = *m_dm.StedenDB;
        steden.setIndexName(OpStad);
        steden.first();
    });
    DBGrid1->setFocus();
}

bool TWoonplaatsFrm::MagSluiten()
{
    DBGrid1->BewaarInvoer();
    return DataActie([this] { m_dm.StedenDB->post(); });
}

void TWoonplaatsFrm::FormHide()
{
    DataActie([this] {
        m_dm.StedenDB->cancel();
        m_dm.StedenDB->setIndexName({});
    });
}
