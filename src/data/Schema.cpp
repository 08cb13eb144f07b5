#include "Schema.h"

#include "DatabaseError.h"

#include <algorithm>

namespace {
// Fields that hold a path the program writes itself (a folder chosen in a
// dialog, a file name): as long as a path on the platforms it runs on.
constexpr int maxPad = 4096;
// Bank holds the longest IBAN, every e-mail field the longest address mail
// systems deliver.
constexpr int ibanGrootte = 34;
constexpr int emailGrootte = 254;

VeldDef T(const QString& naam, int grootte, bool verplicht = false)
{
    return {naam, VeldType::Tekst, grootte, verplicht};
}
VeldDef F(const QString& naam, VeldType type) { return {naam, type, 0, false}; }
IndexDef sleutel(QStringList velden) { return {QString(), std::move(velden), true, false}; }
IndexDef ciIndex(const QString& naam, const QString& veld, bool uniek = false) { return {naam, {veld}, uniek, true}; }
// The participant's course rows and an enrolment's course code are looked up
// everywhere (call-up marks, generation, the list's first screen); without
// these each look-up reads the whole table.
IndexDef eigenIndex(const QString& naam, const QString& veld) { return {naam, {veld}, false, false, true}; }

// The register and the history have the same fields and sizes, so a move
// between them never fails on a size.
QList<VeldDef> persoonVelden()
{
    return {T("CursistNr", 6),
            T("Naam", 30),
            T("Voorl", 8),
            T("Tussenv", 8),
            T("Geslacht", 1),
            T("Adres", 30),
            F("LandCode", VeldType::SmallInt),
            T("Postcode", 7),
            F("StadCode", VeldType::Integer),
            T("Telefoon", 12),
            T("Tel_Werk", 12),
            T("GSM", 12),
            T("FAX", 12),
            T("E_Mail1", emailGrootte),
            T("E_Mail2", emailGrootte),
            T("Bank", ibanGrootte),
            T("GebDatum", 10),
            T("Bijzonderheden", 240),
            F("Print", VeldType::Boolean)};
}

QList<VeldDef> inschrijvingVelden(const QString& weekDagenNaam)
{
    QList<VeldDef> velden{T("CursistNr", 6),
                          T("CursusCode", 6),
                          F("AanmeldDatum", VeldType::Datum),
                          T("GroepsCode", 20),
                          T("LokatieCode", 6),
                          T("DiplomaNr", 10),
                          F("DiplomaDatum", VeldType::Datum),
                          F("VolgendeOproep", VeldType::Datum)};
    for (int i = 1; i <= 10; ++i)
        velden << F(QStringLiteral("Herh%1").arg(i), VeldType::Datum);
    velden << F("Saldo", VeldType::Currency) << F("BetaalwCode", VeldType::Integer) << F("Betaald", VeldType::Boolean)
           << F("CursusAantal", VeldType::SmallInt) << F("HHFreq", VeldType::SmallInt)
           << F(weekDagenNaam, VeldType::SmallInt) << F("Verzuimd", VeldType::SmallInt);
    return velden;
}

QList<TabelDef> maakTabellen()
{
    QList<TabelDef> t;
    // In the order a re-index builds their keys and indexes.
    t << TabelDef{"Hoofd", persoonVelden(), sleutel({"CursistNr"}), {ciIndex("OpNaam", "Naam")}, {}};
    t << TabelDef{"Historie", persoonVelden(), sleutel({"CursistNr"}), {ciIndex("OpNaam", "Naam")}, {}};
    t << TabelDef{"HistorieCursus", inschrijvingVelden("Weekdagen"), sleutel({"CursistNr", "CursusCode"}), {}, {}};
    t << TabelDef{"CursusGegevens",
                  inschrijvingVelden("WeekDagen"),
                  sleutel({"CursistNr", "CursusCode"}),
                  {eigenIndex("OpCursusCode", "CursusCode")},
                  {}};
    t << TabelDef{"CursusProfiel",
                  {T("CursusCode", 6, true), T("CursusNaam", 25, true), F("Dagen", VeldType::SmallInt),
                   F("Prijs", VeldType::Currency), T("VoorOplCode", 6), T("VervolgOplCode", 6), T("DiplomaCode", 6),
                   F("AanvangsTyd", VeldType::Tijd), F("Tydsduur", VeldType::Tijd),
                   F("MaxCursisten", VeldType::SmallInt), F("HHFreq", VeldType::SmallInt), T("RapportNaam", 25),
                   F("ImageIndex", VeldType::SmallInt), T("CursusOrganisatie", 50)},
                  sleutel({"CursusCode"}),
                  {ciIndex("OpProfiel", "CursusNaam", true)},
                  {{"CursusGegevens", "CursusCode", "CursusCode"}, {"HistorieCursus", "CursusCode", "CursusCode"}}};
    t << TabelDef{"Cursussen",
                  {F("Datum", VeldType::DatumTijd), F("Dag", VeldType::SmallInt), T("CursistNr", 6), T("CursusCode", 6),
                   T("LokatieCode", 6), F("CursusID", VeldType::Integer), F("Print", VeldType::Boolean)},
                  sleutel({"Datum", "Dag", "CursistNr", "CursusCode"}),
                  {eigenIndex("OpCursistNr", "CursistNr")},
                  {}};
    t << TabelDef{
        "Lokatie",
        {T("LokatieCode", 6), T("Lokatie", 25, true), T("Adres", 30), T("Postcode", 7),
         F("StadCode", VeldType::Integer), T("Tel.Lokatie", 12), T("Contactpersoon", 25), T("Tel. Contactpersoon", 12),
         T("GSM Contactpersoon", 12), T("Bijzonderheden", 70), F("WeekDagen", VeldType::SmallInt)},
        sleutel({"LokatieCode"}),
        {ciIndex("OpLokatie", "Lokatie")},
        {{"CursusGegevens", "LokatieCode", "LokatieCode"}, {"Cursussen", "LokatieCode", "LokatieCode"}}};
    t << TabelDef{"Steden",
                  {F("StadCode", VeldType::AutoInc), T("Stad", 31), T("PostcodeS", 4), T("PostcodeE", 4),
                   T("Provincie", 20), T("StreekCode", 4), T("Netnummer", 5), F("LandCode", VeldType::SmallInt)},
                  sleutel({"StadCode"}),
                  {ciIndex("OpStad", "Stad")},
                  {{"Hoofd", "StadCode", "StadCode"},
                   {"Historie", "StadCode", "StadCode"},
                   {"Lokatie", "StadCode", "StadCode"},
                   {"Organisaties", "StadCode", "StadCode"}}};
    t << TabelDef{"Begeleiding",
                  {F("CursusID", VeldType::Integer), F("Dag", VeldType::SmallInt), T("InstructeurCode", 5),
                   T("BegeleiderCode", 5)},
                  sleutel({"CursusID", "Dag"}),
                  {},
                  {}};
    t << TabelDef{"Begeleiders",
                  {T("PersoonCode", 5, true), T("Naam", 20, true), T("FunctieCode", 1, true),
                   F("UurLoon", VeldType::Currency), T("E_Mail", emailGrootte)},
                  sleutel({"PersoonCode"}),
                  {ciIndex("OpNaam", "Naam")},
                  {}};
    t << TabelDef{"Betaalwijze",
                  {F("BetaalwCode", VeldType::AutoInc), T("Betaalwijze", 15), T("Opmerking", 76),
                   F("Toeslag", VeldType::Currency), F("Berekenen", VeldType::Boolean), F("Systeem", VeldType::Boolean)},
                  sleutel({"BetaalwCode"}),
                  {ciIndex("OpBetaalwijze", "Betaalwijze", true)},
                  {{"CursusGegevens", "BetaalwCode", "BetaalwCode"}}};
    t << TabelDef{"datums",
                  {F("Datum", VeldType::Datum), F("Uitsluiten", VeldType::Boolean), T("Opmerking", 30)},
                  sleutel({"Datum"}),
                  {},
                  {}};
    t << TabelDef{"Land", {F("LandCode", VeldType::SmallInt), T("Land", 10)}, sleutel({"LandCode"}), {}, {}};
    t << TabelDef{"GroepsCode",
                  {T("GroepsCode", 20, true)},
                  sleutel({"GroepsCode"}),
                  {},
                  {{"CursusGegevens", "GroepsCode", "GroepsCode"}, {"HistorieCursus", "GroepsCode", "GroepsCode"}}};
    t << TabelDef{"DiplomaData",
                  {T("DiplomaCode", 6), T("BestandsNaam", maxPad), T("Reanimatiepartner", 80), T("Contactpersoon", 80),
                   T("Contactgegevens", 160)},
                  sleutel({"DiplomaCode"}),
                  {},
                  {}};
    t << TabelDef{"Organisaties",
                  {T("Organisatie", 25), T("Tav", 25), T("Adres", 30), T("Postcode", 7),
                   F("StadCode", VeldType::Integer), T("ContactPersoon", 25), T("TelPrive", 15), T("TelWerk", 15),
                   T("Fax", 15), T("GSM", 12), T("Email", emailGrootte), T("DebiteurNr", 15), T("Aantekeningen", 240)},
                  sleutel({"Organisatie"}),
                  {},
                  {}};
    t << TabelDef{"Profiel",
                  {T("Profielschets", 80), T("Velden", 1024), T("VeldBreedte", 1024), T("SorteerVeld", 80),
                   F("FilterTxt", VeldType::Memo), F("FilterSQL", VeldType::Memo)},
                  std::nullopt,
                  {},
                  {}};
    t << TabelDef{"Register", {T("Key", 50), T("Waarde", maxPad)}, std::nullopt, {}, {}};
    t << TabelDef{"Accepten",
                  {T("CursistNr", 6), T("Naam", 60), T("Adres", 30), T("PCWoonplaats", 40), T("CursusCode", 10),
                   T("Datum", 10), T("Bank", ibanGrootte), T("Euro", 20), T("Centen", 2)},
                  std::nullopt,
                  {},
                  {}};
    t << TabelDef{"Diploma",
                  {T("CursistNr", 6), T("Naam", 60), T("GebDatum", 10), T("PostCode", 7), T("Woonplaats", 31),
                   T("PCWoonplaats", 40), T("DiplomaDatum", 10), T("AEDDatum", 10), T("AEDInstructeur", 40)},
                  std::nullopt,
                  {},
                  {}};
    return t;
}

QString sqlType(VeldType type)
{
    switch (type) {
    case VeldType::SmallInt:
    case VeldType::Integer:
    case VeldType::AutoInc:
    case VeldType::Boolean:
    case VeldType::Currency: return QStringLiteral("INTEGER");  // money in whole cents
    default: return QStringLiteral("TEXT");
    }
}
}  // namespace

const VeldDef* TabelDef::veld(const QString& naam) const
{
    for (const VeldDef& v : velden)
        if (v.naam.compare(naam, Qt::CaseInsensitive) == 0)
            return &v;
    return nullptr;
}

int TabelDef::indexAantal() const
{
    return (primaireSleutel ? 1 : 0)
           + int(std::count_if(indexen.begin(), indexen.end(), [](const IndexDef& i) { return !i.eigen; }));
}

QList<IndexDef> TabelDef::eigenIndexen() const
{
    QList<IndexDef> eigen;
    for (const IndexDef& i : indexen)
        if (i.eigen)
            eigen << i;
    return eigen;
}

const IndexDef* TabelDef::index(const QString& naam) const
{
    if (naam.isEmpty())
        return primaireSleutel ? &*primaireSleutel : nullptr;
    for (const IndexDef& i : indexen)
        if (i.naam.compare(naam, Qt::CaseInsensitive) == 0)
            return &i;
    return nullptr;
}

bool TabelDef::isSleutelVeld(const QString& naam) const
{
    return primaireSleutel && primaireSleutel->velden.contains(naam, Qt::CaseInsensitive);
}

QStringList TabelDef::veldNamen() const
{
    QStringList namen;
    for (const VeldDef& v : velden)
        namen << v.naam;
    return namen;
}

namespace Schema {

const QList<TabelDef>& tabellen()
{
    static const QList<TabelDef> alle = maakTabellen();
    return alle;
}

QList<IndexVerwijzing> indexen()
{
    QList<IndexVerwijzing> lijst;
    for (const TabelDef& t : tabellen()) {
        if (t.primaireSleutel)
            lijst.append({&t, &*t.primaireSleutel});
        for (const IndexDef& i : t.indexen)
            lijst.append({&t, &i});
    }
    return lijst;
}

const TabelDef* tabel(const QString& naam)
{
    QString kaal = naam.trimmed();
    if (kaal.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        kaal.chop(3);
    for (const TabelDef& t : tabellen())
        if (t.naam.compare(kaal, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const TabelDef& tabelOf(const QString& naam)
{
    if (const TabelDef* t = tabel(naam))
        return *t;
    throw DatabaseError(QStringLiteral("Tabel %1 bestaat niet.").arg(naam));
}

QString quoteIdent(const QString& naam)
{
    return QLatin1Char('"') + QString(naam).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString teLangTekst(const QString& veld, int grootte)
{
    return QStringLiteral("Tekst voor veld '%1' is te lang (maximaal %2 tekens)").arg(veld).arg(grootte);
}

QString fysiekeIndexNaam(const QString& tabel, const QString& index)
{
    return tabel + QLatin1Char('_') + (index.isEmpty() ? QStringLiteral("PK") : index);
}

QString createTableSql(const TabelDef& tabel)
{
    QStringList kolommen;
    for (const VeldDef& v : tabel.velden) {
        const QString naam = quoteIdent(v.naam);
        QString kolom = naam + QLatin1Char(' ') + sqlType(v.type);
        if (v.verplicht || tabel.isSleutelVeld(v.naam))
            kolom += QStringLiteral(" NOT NULL");
        if (v.type == VeldType::Tekst)
            kolom += QStringLiteral(" CHECK(length(%1) <= %2)").arg(naam).arg(v.grootte);
        kolommen << kolom;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quoteIdent(tabel.naam), kolommen.join(QStringLiteral(", ")));
}

QString createIndexSql(const TabelDef& tabel, const IndexDef& index)
{
    QStringList delen;
    for (const QString& veld : index.velden)
        delen << quoteIdent(veld) + (index.hoofdletterOngevoelig ? QStringLiteral(" COLLATE NOCASE") : QString());
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(index.uniek ? QStringLiteral("UNIQUE ") : QString(), quoteIdent(fysiekeIndexNaam(tabel.naam, index.naam)),
             quoteIdent(tabel.naam), delen.join(QStringLiteral(", ")));
}

QStringList createIndexSql(const TabelDef& tabel)
{
    QStringList sql;
    if (tabel.primaireSleutel)
        sql << createIndexSql(tabel, *tabel.primaireSleutel);
    for (const IndexDef& index : tabel.indexen)
        sql << createIndexSql(tabel, index);
    return sql;
}

QString verwijderControleNaam(const TabelDef& tabel) { return tabel.naam + QStringLiteral("_Details"); }

QStringList createTriggerSql(const TabelDef& tabel)
{
    if (tabel.details.isEmpty())
        return {};
    QStringList voorwaarden;
    for (const DetailVerwijzing& d : tabel.details)
        voorwaarden << QStringLiteral("EXISTS (SELECT 1 FROM %1 WHERE %2 = OLD.%3 COLLATE NOCASE)")
                           .arg(quoteIdent(d.tabel), quoteIdent(d.veld), quoteIdent(d.masterVeld));
    return {QStringLiteral("CREATE TRIGGER %1 BEFORE DELETE ON %2 WHEN %3 BEGIN "
                           "SELECT RAISE(ABORT, 'Master has detail records. Table: %4'); END")
                .arg(quoteIdent(verwijderControleNaam(tabel)), quoteIdent(tabel.naam),
                     voorwaarden.join(QStringLiteral(" OR ")), tabel.naam)};
}

}  // namespace Schema
