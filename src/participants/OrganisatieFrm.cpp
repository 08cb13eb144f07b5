#include "OrganisatieFrm.h"

#include "data/DataModFrm.h"
#include "views/DBEditKoppeling.h"
#include "views/DBMemoKoppeling.h"
#include "views/DBNavigator.h"
#include "views/DataActie.h"
#include "views/TabelGrid.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TOrganisatieFrm::TOrganisatieFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("OrganisatieFrm"));
    setWindowTitle(QStringLiteral("Organisatiebeheer"));
    setToolTip(QStringLiteral("Overzichtsscherm"));

    TableHandle& organisaties = *m_dm.OrganisatieDB;
    SluitBtn = MaakExitBtn(QStringLiteral("Sluiten"));
    SluitBtn->setObjectName(QStringLiteral("SluitBtn"));
    DBNavigator1 = new TDBNavigator(organisaties, QStringLiteral("DBNavigator1"), this);

    DBGrid1 = new TTabelGrid(organisaties, QStringLiteral("DBGrid1"), this);
    DBGrid1->ZetKolommen({QStringLiteral("Organisatie"), QStringLiteral("ContactPersoon"), QStringLiteral("TelWerk"),
                          QStringLiteral("TelPrive"), QStringLiteral("GSM")});
    DBGrid1->ZetTitel(QStringLiteral("TelWerk"), QStringLiteral("Telefoon Werk"));
    DBGrid1->ZetTitel(QStringLiteral("TelPrive"), QStringLiteral("Telefoon Prive"));
    const int breedtes[] = {200, 180, 120, 120, 110};
    for (int k = 0; k < 5; ++k)
        DBGrid1->horizontalHeader()->resizeSection(k, breedtes[k]);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    auto* velden = new QFormLayout;
    const auto rij = [&](const QString& veld, const QString& bijschrift) {
        QLineEdit* edit = MaakEdit(veld);
        velden->addRow(bijschrift, edit);
        return edit;
    };
    EditOrganisatie = rij(QStringLiteral("Organisatie"), QStringLiteral("Organisatie"));
    EditTav = rij(QStringLiteral("Tav"), QStringLiteral("Tav"));
    EditAdres = rij(QStringLiteral("Adres"), QStringLiteral("Adres"));
    EditPostcode = rij(QStringLiteral("Postcode"), QStringLiteral("Postcode"));
    EditContactPersoon = rij(QStringLiteral("ContactPersoon"), QStringLiteral("ContactPersoon"));
    EditTelPrive = rij(QStringLiteral("TelPrive"), QStringLiteral("TelPrive"));
    EditTelWerk = rij(QStringLiteral("TelWerk"), QStringLiteral("TelWerk"));
    EditFax = rij(QStringLiteral("Fax"), QStringLiteral("Fax"));
    EditGSM = rij(QStringLiteral("GSM"), QStringLiteral("Mobiel"));
    EditEmail = rij(QStringLiteral("Email"), QStringLiteral("Email"));
    EditDebiteurNr = rij(QStringLiteral("DebiteurNr"), QStringLiteral("DebiteurNr"));
    DBMemo1 = new QPlainTextEdit(this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setToolTip(QStringLiteral("U kunt max. 240 tekens kwijt aan tekst."));
    DBMemo1->setFixedHeight(70);
    new DBMemoKoppeling(DBMemo1, &organisaties, QStringLiteral("Aantekeningen"));
    Modus.DataControl(DBMemo1);
    velden->addRow(QStringLiteral("Aantekeningen"), DBMemo1);

    auto* balk = new QHBoxLayout;
    balk->addWidget(SluitBtn);
    balk->addWidget(DBNavigator1);
    balk->addStretch();
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(balk);
    hoofd->addWidget(DBGrid1, 1);
    hoofd->addLayout(velden);

    Modus.VolgToestand(&organisaties);
    resize(820, 640);
}

QLineEdit* TOrganisatieFrm::MaakEdit(const QString& veld)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit") + veld);
    new DBEditKoppeling(edit, m_dm.OrganisatieDB, veld);
    Modus.DataControl(edit);
    return edit;
}

void TOrganisatieFrm::FormShow()
{
    DataActie([this] { m_dm.OrganisatieDB->first(); });
    DBGrid1->setFocus();
}
