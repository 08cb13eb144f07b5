#include "OrganisatieFrm.h"

#include "data/DataModFrm.h"
#include "views/DBMemoKoppeling.h"
#include "views/FormRooster.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

TOrganisatieFrm::TOrganisatieFrm(TDataModFrm& dm, QWidget* parent)
    : TGridOnderhoudFrm(*dm.OrganisatieDB, QStringLiteral("OrganisatieFrm"), QStringLiteral("Organisatiebeheer"), parent),
      SluitBtn(ExitBtn)
{
    setToolTip(QStringLiteral("Overzichtsscherm"));
    SluitBtn->setObjectName(QStringLiteral("SluitBtn"));
    DBGrid1->ZetBewerkbaar(false);
    DBGrid1->ZetTitel(QStringLiteral("TelWerk"), QStringLiteral("Telefoon Werk"));
    DBGrid1->ZetTitel(QStringLiteral("TelPrive"), QStringLiteral("Telefoon Prive"));
    ZetKolommen({{QStringLiteral("Organisatie"), 200},
                 {QStringLiteral("ContactPersoon"), 180},
                 {QStringLiteral("TelWerk"), 120},
                 {QStringLiteral("TelPrive"), 120},
                 {QStringLiteral("GSM"), TTabelGrid::Kolom::Rest}});

    const auto edit = [this](const QString& veld) { return MaakVeldEdit(Tabel(), veld, QStringLiteral("Edit") + veld); };
    EditOrganisatie = edit(QStringLiteral("Organisatie"));
    EditTav = edit(QStringLiteral("Tav"));
    EditAdres = edit(QStringLiteral("Adres"));
    EditPostcode = edit(QStringLiteral("Postcode"));
    EditContactPersoon = edit(QStringLiteral("ContactPersoon"));
    EditTelPrive = edit(QStringLiteral("TelPrive"));
    EditTelWerk = edit(QStringLiteral("TelWerk"));
    EditFax = edit(QStringLiteral("Fax"));
    EditGSM = edit(QStringLiteral("GSM"));
    EditEmail = edit(QStringLiteral("Email"));
    EditDebiteurNr = edit(QStringLiteral("DebiteurNr"));
    DBMemo1 = new QPlainTextEdit(this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setToolTip(QStringLiteral("U kunt max. 240 tekens kwijt aan tekst."));
    DBMemo1->setFixedHeight(70);
    new DBMemoKoppeling(DBMemo1, &Tabel(), QStringLiteral("Aantekeningen"));
    Modus.DataControl(DBMemo1);

    Hoofd()->addWidget(MaakFormRooster({
        {{QStringLiteral("Organisatie"), EditOrganisatie}, {QStringLiteral("Tav"), EditTav}},
        {{QStringLiteral("Adres"), EditAdres}, {QStringLiteral("Postcode"), EditPostcode}},
        {{QStringLiteral("ContactPersoon"), EditContactPersoon}, {QStringLiteral("TelPrive"), EditTelPrive}},
        {{QStringLiteral("TelWerk"), EditTelWerk}, {QStringLiteral("Fax"), EditFax}},
        {{QStringLiteral("Mobiel"), EditGSM}, {QStringLiteral("Email"), EditEmail}},
        {{QStringLiteral("DebiteurNr"), EditDebiteurNr}},
        {{QStringLiteral("Aantekeningen"), DBMemo1, 2}},
    }));
    Modus.VolgToestand(&Tabel());
    resize(820, 640);
}
