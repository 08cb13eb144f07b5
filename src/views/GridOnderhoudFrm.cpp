#include "GridOnderhoudFrm.h"

#include "DBNavigator.h"
#include "DataActie.h"
#include "TabelGrid.h"
#include "data/TableHandle.h"
#include "data/ToonMelding.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

TGridOnderhoudFrm::TGridOnderhoudFrm(TableHandle& tabel, const QString& naam, const QString& titel, QWidget* parent)
    : TOnderhoudFrm(parent), m_tabel(tabel)
{
    setObjectName(naam);
    setWindowTitle(titel);
    DBNavigator1 = new TDBNavigator(tabel, QStringLiteral("DBNavigator1"), this);
    DBGrid1 = new TTabelGrid(tabel, QStringLiteral("DBGrid1"), this);
    DBGrid1->ZetBewerkbaar(true);
    connect(DBNavigator1, &TDBNavigator::voorStap, DBGrid1, &TTabelGrid::BewaarInvoer);

    m_balk = new QHBoxLayout;
    m_balk->addWidget(DBNavigator1);
    m_balk->addStretch();
    m_balk->addWidget(MaakExitBtn(QStringLiteral("Sluiten")));
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(m_balk);
    hoofd->addWidget(DBGrid1, 1);
}

void TGridOnderhoudFrm::ZetKolommen(std::initializer_list<TTabelGrid::Kolom> kolommen)
{
    resize(qMax(DBGrid1->ZetKolommen(kolommen) + 60, 480), 400);
}

void TGridOnderhoudFrm::ZetInBalk(QWidget* widget)
{
    m_balk->insertWidget(m_balk->count() - 1, widget);
    m_balk->insertSpacing(m_balk->count() - 1, 16);
}

QVBoxLayout* TGridOnderhoudFrm::Hoofd() const { return static_cast<QVBoxLayout*>(layout()); }

void TGridOnderhoudFrm::FormShow()
{
    DataActie([this] { m_tabel.first(); });
    DBGrid1->setFocus();
}

bool TGridOnderhoudFrm::MagSluiten()
{
    DBGrid1->BewaarInvoer();
    if (!m_tabel.wordtBewerkt())
        return true;
    if (ToonMelding(mVraag, QStringLiteral("Wilt u wijzigingen opslaan?"), Knoppen::JaNee, true) == Antwoord::Nee)
        return DataActie([this] { m_tabel.cancel(); });
    return DataActie([this] { m_tabel.post(); });
}
