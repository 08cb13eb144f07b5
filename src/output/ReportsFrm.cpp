#include "ReportsFrm.h"

#include "data/Schema.h"
#include "data/Storage.h"
#include "data/DataModFrm.h"
#include "data/OrvelFout.h"
#include "data/ToonMelding.h"
#include "output/BetaalCode.h"
#include "data/ZolDatum.h"
#include "output/Printer.h"

#include <QDateTime>
#include <QFileDialog>
#include <QSqlQuery>

namespace {
const QString kMasterSql = QStringLiteral(
    "select distinct cursistnr,lokatiecode,cursuscode from cursussen where cursusid=:CID and print=true");
const QString kMasterJoin = QStringLiteral(
    "select a.cursistnr,a.lokatiecode,a.cursuscode,a.dag,b.* from cursussen a, hoofd b where a.cursusid=:CID and "
    "a.print=true and a.cursistnr=b.cursistnr order by ");
const QString kDetailSql = QStringLiteral("select * from cursussen where cursistnr=:CNR and cursusid=:CID");
const QStringList kMasterVelden{QStringLiteral("cursistnr"), QStringLiteral("lokatiecode"), QStringLiteral("cursuscode")};
const QStringList kBriefVelden{QStringLiteral("CursistNr"),      QStringLiteral("Naam"),     QStringLiteral("Voorl"),
                               QStringLiteral("Tussenv"),        QStringLiteral("Geslacht"), QStringLiteral("Adres"),
                               QStringLiteral("Postcode"),       QStringLiteral("StadCode"), QStringLiteral("Telefoon"),
                               QStringLiteral("Tel_Werk"),       QStringLiteral("GSM"),      QStringLiteral("FAX"),
                               QStringLiteral("E_Mail1"),        QStringLiteral("E_Mail2"),  QStringLiteral("Bank"),
                               QStringLiteral("Bijzonderheden"), QStringLiteral("GebDatum")};
const QString kCursussen = QStringLiteral("Cursussen");
const QString kHoofd = QStringLiteral("Hoofd");
const QString kSteden = QStringLiteral("Steden");

using Koppeling = QList<QPair<QString, QString>>;
Koppeling op(const QString& veld) { return {{veld, veld}}; }

// Pages through the printer layer: the current printer, or a PDF in the
// output folder for printing.
class PrintJobSink : public report::PageSink {
public:
    explicit PrintJobSink(const QString& naam) : m_job(naam) {}
    bool begin(const QPageLayout& layout) override
    {
        m_job.setPageLayout(layout);
        const PrintStatus status = m_job.begin();
        if (status == PrintStatus::Failed)  // a missing printer the printer layer has told
            ToonMelding(mFout, QStringLiteral("Het rapport kon niet worden afgedrukt."));
        return status == PrintStatus::Ok;
    }
    bool newPage(const QPageLayout& layout) override
    {
        m_job.setPageLayout(layout);
        return m_job.newPage();
    }
    bool end() override { return m_job.end(); }
    QPainter& painter() override { return m_job.painter(); }

private:
    PrintJob m_job;
};
}  // namespace

TReportsFrm::TReportsFrm(TDataModFrm& dm, QWidget* parent)
    : QWidget(parent), QMaster(dm.storage(), QStringLiteral("QMaster"), kMasterSql, {kCursussen, kHoofd}, kMasterVelden),
      HoofdDB(dm.storage(), QStringLiteral("HoofdDB"), kHoofd, &QMaster, op(QStringLiteral("CursistNr"))),
      LokatieDB(dm.storage(), QStringLiteral("LokatieDB"), QStringLiteral("Lokatie"), &QMaster,
                op(QStringLiteral("LokatieCode"))),
      StedenDB(dm.storage(), QStringLiteral("StedenDB"), kSteden, &HoofdDB, op(QStringLiteral("StadCode"))),
      LokatieSteden(dm.storage(), QStringLiteral("LokatieSteden"), kSteden, &LokatieDB, op(QStringLiteral("StadCode"))),
      QDetail(dm.storage(), QStringLiteral("QDetail"), kDetailSql, {kCursussen},
              {QStringLiteral("Datum"), QStringLiteral("Dag"), QStringLiteral("CursistNr"), QStringLiteral("CursusCode"),
               QStringLiteral("LokatieCode"), QStringLiteral("CursusID"), QStringLiteral("Print")},
              {{QStringLiteral("Datum"), QStringLiteral("dd-MM-yy hh:mm")}}),
      CursusGegevensDB(dm.storage(), QStringLiteral("CursusGegevensDB"), QStringLiteral("CursusGegevens"), &QMaster,
                       {{QStringLiteral("CursistNr"), QStringLiteral("cursistnr")},
                        {QStringLiteral("CursusCode"), QStringLiteral("cursuscode")}}),
      CursusProfielDB(dm.storage(), QStringLiteral("CursusProfielDB"), QStringLiteral("CursusProfiel"), &QDetail,
                      op(QStringLiteral("CursusCode"))),
      BetaalwDB(dm.storage(), QStringLiteral("BetaalwDB"), QStringLiteral("Betaalwijze"), &CursusGegevensDB,
                op(QStringLiteral("BetaalwCode"))),
      CursusQ(dm.storage(), QStringLiteral("CursusQ"),
              QStringLiteral("select distinct cursistnr,lokatiecode,cursuscode from cursussen where cursusid=:CID"),
              {kCursussen}, kMasterVelden),
      BriefQ(dm.storage(), QStringLiteral("BriefQ"), QStringLiteral("select * from hoofd where print=true"), {kHoofd},
             kBriefVelden),
      BriefSteden(dm.storage(), QStringLiteral("BriefSteden"), kSteden, &BriefQ, op(QStringLiteral("StadCode"))),
      BegeleidingDB(
          dm.storage(), QStringLiteral("BegeleidingDB"), QStringLiteral("Begeleiding"), &QDetail,
          {{QStringLiteral("CursusID"), QStringLiteral("CursusID")}, {QStringLiteral("Dag"), QStringLiteral("Dag")}}),
      InstructNaamDB(dm.storage(), QStringLiteral("InstructNaamDB"), QStringLiteral("Begeleiders"), &BegeleidingDB,
                     {{QStringLiteral("PersoonCode"), QStringLiteral("InstructeurCode")}}),
      BegLNaamDB(dm.storage(), QStringLiteral("BegLNaamDB"), QStringLiteral("Begeleiders"), &BegeleidingDB,
                 {{QStringLiteral("PersoonCode"), QStringLiteral("BegeleiderCode")}}),
      QOverzicht(dm.storage(), QStringLiteral("QOverzicht"), QStringLiteral("select * from hoofd order by cursistnr"),
                 {kHoofd}, Schema::tabelOf(kHoofd).veldNamen()),
      QOverzichtSteden(dm.storage(), QStringLiteral("QOverzichtSteden"), kSteden, &QOverzicht,
                       op(QStringLiteral("StadCode"))),
      Rap_DiplomaDB(dm.storage(), QStringLiteral("Rap_DiplomaDB"), QStringLiteral("Diploma")),
      QMasterDataSet(QStringLiteral("QMasterDataSet"), QMaster),
      QDetailDataSet(QStringLiteral("QDetailDataSet"), QDetail), BriefDataSet(QStringLiteral("BriefDataSet"), BriefQ),
      QOverzichtDataSet(QStringLiteral("QOverzichtDataSet"), QOverzicht),
      DiplDataSet(QStringLiteral("DiplDataSet"), Rap_DiplomaDB), OmslagDataSet(QStringLiteral("OmslagDataSet")), m_dm(dm)
{
    hide();
    QMaster.Params = {{QStringLiteral("CID"), 0}};
    CursusQ.Params = {{QStringLiteral("CID"), 0}};
    QDetail.Params = {{QStringLiteral("CNR"), QString()}, {QStringLiteral("CID"), 0}};
    OmslagDataSet.open();  // it has no table; its one record is always there

    for (report::Dataset* bron : alleBronnen())
        frReport1.datasets().add(bron);
    for (report::Dataset* dataset : std::initializer_list<report::Dataset*>{
             &QMasterDataSet, &QDetailDataSet, &BriefDataSet, &QOverzichtDataSet, &DiplDataSet, &OmslagDataSet})
        frReport1.datasets().add(dataset);

    QList<report::Variable> zol;
    for (const char* naam : {"var1", "var2", "var3", "var4", "var5", "DagDatumTijd", "Aanhef"})
        zol.append({QString::fromLatin1(naam), {}});
    frReport1.setDeclaredVariables(
        {{QStringLiteral("ZOL"), zol},
         {QStringLiteral("Betaling"), {{QStringLiteral("BetaalCode"), {}}}},
         {QStringLiteral("Brief"), {{QStringLiteral("BriefAanhef"), {}}, {QStringLiteral("BriefNaam"), {}}}}});
    frReport1.setEnterRect(
        [this](QStringList& memo, const report::ReportObject& view) { frReport1EnterRect(memo, view); });
    // A tag written inside a line reads the same value as on a line of its own.
    frReport1.setVariableLookup(
        [this](const QString& naam) { return TagWaarde(QLatin1Char('[') + naam + QLatin1Char(']')); });
    frReport1.setSinkFactory([](const QString& naam) { return std::make_unique<PrintJobSink>(naam); });

    ZetOpenDialog(QStringLiteral("Rapporten (Rap_*.frf)|Rap_*.frf"), QStringLiteral("Rapport openen voor designer"));
}

TReportsFrm::~TReportsFrm() = default;

QList<RapportBron*> TReportsFrm::alleBronnen()
{
    return {&QMaster,          &HoofdDB,         &LokatieDB,  &StedenDB,   &LokatieSteden,    &QDetail,
            &CursusGegevensDB, &CursusProfielDB, &BetaalwDB,  &CursusQ,    &BriefQ,           &BriefSteden,
            &BegeleidingDB,    &InstructNaamDB,  &BegLNaamDB, &QOverzicht, &QOverzichtSteden, &Rap_DiplomaDB};
}

void TReportsFrm::SetDatabases(bool Active)
{
    for (RapportBron* bron : alleBronnen()) {
        if (Active)
            bron->open();
        else
            bron->close();
    }
}

void TReportsFrm::SetQueries(int Kind)
{
    SetDatabases(false);
    if (Kind == 1 || Kind == 2) {
        QMaster.SQL = kMasterJoin + (Kind == 1 ? QStringLiteral("b.Cursistnr") : QStringLiteral("b.Naam"));
        QDetail.SQL = kDetailSql;
        const int cursusID = Selectie.CursusID.trimmed().toInt();
        QMaster.Params = {{QStringLiteral("CID"), cursusID}};
        QDetail.Params = {{QStringLiteral("CNR"), Selectie.CursistNr}, {QStringLiteral("CID"), cursusID}};
    }
    SetDatabases(true);
}

void TReportsFrm::PrintReport(bool Preview)
{
    if (Preview) {
        frReport1.showPreview(this);
        return;
    }
    if (frReport1.prepareShowingErrors())
        frReport1.printPreparedPages(1, frReport1.preparedPageCount(), 1, true, this);
}

std::optional<QString> TReportsFrm::TagWaarde(const QString& regel) const
{
    static const QString varTags[] = {QStringLiteral("[var1]"), QStringLiteral("[var2]"), QStringLiteral("[var3]"),
                                      QStringLiteral("[var4]"), QStringLiteral("[var5]")};
    const QString* waarden[] = {&var1, &var2, &var3, &var4, &var5};
    for (int i = 0; i < 5; ++i)
        if (regel == varTags[i])
            return *waarden[i];
    if (regel == QLatin1String("[DagDatumTijd]")) {
        const QDateTime datum = QDetail.value(QStringLiteral("Datum")).toDateTime();
        return QStringLiteral("Dag %1: %2 om %3 uur.")
            .arg(QDetail.value(QStringLiteral("Dag")).toString(), DatumNaarTekst(datum.date()),
                 TijdNaarTekst(datum.time()));
    }
    if (regel == QLatin1String("[Datum]"))
        return DatumNaarTekst(QDetail.value(QStringLiteral("Datum")).toDateTime().date());
    if (regel == QLatin1String("[Tijd]"))
        return QDetail.value(QStringLiteral("Datum")).toDateTime().toString(QStringLiteral("hh:mm"));
    if (regel == QLatin1String("[Aanhef]")) {
        const QString geslacht = HoofdDB.value(QStringLiteral("Geslacht")).toString();
        return geslacht == QLatin1String("V")   ? QStringLiteral("Mw.")
               : geslacht == QLatin1String("M") ? QStringLiteral("Hr.")
                                                : QString();
    }
    if (regel == QLatin1String("[ReanimatieParner]"))
        return ReanimatieParner;
    if (regel == QLatin1String("[ContactPersoon]"))
        return ContactPersoon;
    if (regel == QLatin1String("[ContactGegevens]"))
        return ContactGegevens;
    if (regel == QLatin1String("[BetaalCode]"))
        return BetaalCode();
    if (regel == QLatin1String("[BriefAanhef]") || regel == QLatin1String("[BriefNaam]")) {
        const auto veld = [this](const char* naam) { return BriefQ.value(QLatin1String(naam)).toString(); };
        return regel == QLatin1String("[BriefAanhef]")
                   ? BriefAanhef(veld("Geslacht"), veld("Voorl"), veld("Tussenv"), veld("Naam"))
                   : VolledigeNaam({veld("Voorl"), veld("Tussenv"), veld("Naam")});
    }
    return std::nullopt;
}

QString TReportsFrm::BetaalCode() const
{
    const BetaalRekening rekening = LeesBetaalRekening();
    if (!rekening.Bruikbaar())
        return {};
    const QVariant saldo = CursusGegevensDB.value(QStringLiteral("Saldo"));
    QSqlQuery eersteDag = m_dm.storage().exec(QStringLiteral("select min(Datum) from Cursussen where CursusID = ?"),
                                              {Selectie.CursusID.toInt()});
    const QDateTime datum = eersteDag.next()
                                ? TableHandle::uitOpslag(
                                      *Schema::tabelOf(QStringLiteral("Cursussen")).veld(QStringLiteral("Datum")),
                                      eersteDag.value(0))
                                      .toDateTime()
                                : QDateTime();
    return BetaalCodeTekst({rekening.Naam, rekening.IBAN, saldo.value<Bedrag>(),
                            BetaalReferentie(QMaster.value(QStringLiteral("cursistnr")).toString(),
                                             QMaster.value(QStringLiteral("cursuscode")).toString(),
                                             datum.toString(QStringLiteral("dd-MM-yyyy")))});
}

QString VolledigeNaam(const QStringList& delen)
{
    QStringList gevuld;
    for (const QString& deel : delen)
        if (!deel.trimmed().isEmpty())
            gevuld << deel.trimmed();
    return gevuld.join(QLatin1Char(' '));
}

QString BriefAanhef(const QString& geslacht, const QString& voorl, const QString& tussenv, const QString& naam)
{
    // Without initials before it, a prefix starts with a capital: "heer Van Dijk".
    QString voorvoegsel = tussenv.trimmed();
    if (!voorvoegsel.isEmpty())
        voorvoegsel[0] = voorvoegsel[0].toUpper();
    if (geslacht == QLatin1String("M"))
        return VolledigeNaam({QStringLiteral("Geachte heer"), voorvoegsel, naam});
    if (geslacht == QLatin1String("V"))
        return VolledigeNaam({QStringLiteral("Geachte mevrouw"), voorvoegsel, naam});
    return VolledigeNaam({QStringLiteral("Geachte"), voorl, tussenv, naam});
}

void TReportsFrm::frReport1EnterRect(QStringList& Memo, const report::ReportObject& View)
{
    Q_UNUSED(View);
    if (Memo.isEmpty())
        return;
    if (const std::optional<QString> waarde = TagWaarde(Memo.constFirst()))
        Memo.first() = *waarde;
}

void TReportsFrm::Ontwerp(QWidget* parent)
{
    QStringList banden;
    for (const report::Dataset* d : std::initializer_list<const report::Dataset*>{
             &QMasterDataSet, &QDetailDataSet, &BriefDataSet, &QOverzichtDataSet, &DiplDataSet, &OmslagDataSet})
        banden << d->name();
    frReport1.design(banden, m_dm.storage().map(), parent);
}

QString TReportsFrm::RapportPad(const QString& bestandsNaam) const
{
    return VindBestandInMap(m_dm.storage().map(), bestandsNaam);
}

void TReportsFrm::ZetOpenDialog(const QString& filter, const QString& titel)
{
    m_filter = filter;
    m_openDialogTitel = titel;
    if (m_openDialog)
        PasOpenDialogToe();
}

QFileDialog* TReportsFrm::OpenDialog()
{
    if (!m_openDialog) {
        m_openDialog = new QFileDialog(this);
        m_openDialog->setFileMode(QFileDialog::ExistingFile);
        m_openDialog->setAcceptMode(QFileDialog::AcceptOpen);
        m_openDialog->setSizeGripEnabled(true);
        PasOpenDialogToe();
    }
    return m_openDialog;
}

QString NaamFilter(const QString& filter)
{
    const QString tekst = filter.section(QLatin1Char('|'), 0, 0);
    const QString patroon = filter.section(QLatin1Char('|'), 1, 1);
    return tekst.contains(QLatin1Char('(')) || patroon.isEmpty() ? tekst : QStringLiteral("%1 (%2)").arg(tekst, patroon);
}

void TReportsFrm::PasOpenDialogToe()
{
    m_openDialog->setNameFilter(NaamFilter(m_filter));
    m_openDialog->setWindowTitle(m_openDialogTitel);
}
