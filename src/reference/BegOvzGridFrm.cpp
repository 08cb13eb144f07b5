#include "BegOvzGridFrm.h"

#include "data/DataModFrm.h"
#include "views/DBNavigator.h"
#include "views/TabelGrid.h"

namespace {
const QString Cursus = QStringLiteral("Cursus");
const QString Dag = QStringLiteral("Dag");
}  // namespace

TBegOvzGridFrm::TBegOvzGridFrm(TDataModFrm& dm, QWidget* parent)
    : TGridOnderhoudFrm(*dm.BegeleidingDB, QStringLiteral("BegOvzGridFrm"), QStringLiteral("Overzicht begeleiding"),
                        parent),
      m_dm(dm)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    DBGrid1->ZetOpzoekVeld({VeldDef{QStringLiteral("Datum"), VeldType::DatumTijd},
                            QStringLiteral("select Datum from Cursussen where CursusID = ? and Dag = ?"),
                            {QStringLiteral("CursusID"), Dag}});
    DBGrid1->ZetOpzoekVeld({VeldDef{Cursus, VeldType::Tekst, 6},
                            QStringLiteral("select CursusCode from Cursussen where CursusID = ?"),
                            {QStringLiteral("CursusID")}});
    ZetKolommen({{QStringLiteral("Datum"), 130},
                 {Cursus, 80},
                 {Dag, 50},
                 {QStringLiteral("BegeleiderCode"), 120},
                 {QStringLiteral("InstructeurCode"), 120}});
    DBGrid1->ZetAlleenLezen(Dag);
    DBNavigator1->VerbergKnop(TDBNavigator::Invoegen);
}

void TBegOvzGridFrm::FormShow()
{
    DBGrid1->ZetKeuzeLijst(QStringLiteral("BegeleiderCode"), m_dm.BegeleiderCodeLijst);
    DBGrid1->ZetKeuzeLijst(QStringLiteral("InstructeurCode"), m_dm.InstructeurCodeLijst);
    TGridOnderhoudFrm::FormShow();
}
