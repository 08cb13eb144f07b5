#include "Verbreden.h"

#include "DatabaseError.h"
#include "Schema.h"
#include "Storage.h"
#include "Transactie.h"

#include <QRegularExpression>

namespace {
// The size checks as Schema::createTableSql writes them.
const QRegularExpression& GrootteCheck()
{
    static const QRegularExpression check(QStringLiteral(R"re( CHECK\(length\("((?:[^"]|"")+)"\) <= (\d+)\))re"));
    return check;
}

// The table's stored definition with every size check at least as wide as
// the schema's, and without the checks of fields that are no longer text.
QString MetSchemaGroottes(const QString& sql, const TabelDef& tabel)
{
    QString uit;
    qsizetype vanaf = 0;
    for (auto it = GrootteCheck().globalMatch(sql); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        uit += sql.mid(vanaf, m.capturedStart() - vanaf);
        vanaf = m.capturedEnd();
        const VeldDef* veld = tabel.veld(m.captured(1).replace(QLatin1String("\"\""), QLatin1String("\"")));
        if (!veld || (veld->type == VeldType::Tekst && veld->grootte <= m.captured(2).toInt()))
            uit += m.captured(0);
        else if (veld->type == VeldType::Tekst)
            uit += QString(m.captured(0))
                       .replace(m.capturedStart(2) - m.capturedStart(), m.capturedLength(2),
                                QString::number(veld->grootte));
    }
    return uit + sql.mid(vanaf);
}

struct Kolom {
    QString naam;
    QString type;
    bool verplicht = false;
};

QList<Kolom> Kolommen(Storage& opslag, const QString& tabel)
{
    QSqlQuery q = opslag.execNative(QStringLiteral("PRAGMA table_info(%1)").arg(Schema::quoteIdent(tabel)));
    QList<Kolom> kolommen;
    while (q.next())
        kolommen << Kolom{q.value(1).toString(), q.value(2).toString(), q.value(3).toBool()};
    return kolommen;
}

// A column's name and type as Schema::createTableSql writes them: first in
// the list or after the column before it.
QRegularExpression KolomKop(const QString& kolom)
{
    return QRegularExpression(
        QStringLiteral(R"re((?<=\(|, )(%1 \w+))re").arg(QRegularExpression::escape(Schema::quoteIdent(kolom))));
}

QString MetKolomKop(const QString& sql, const QString& kolom, const QString& kop)
{
    return QString(sql).replace(KolomKop(kolom), kop);
}

// What a table needs to be level with the schema: its definition as it
// should be stored, and the money columns whose euros become cents.
struct Bijwerking {
    QString sql;
    QStringList geldKolommen;
};

// True when a row has no value (or a blank one) in one of the columns.
bool HeeftLegeWaarde(Storage& opslag, const QString& tabel, const QStringList& kolommen)
{
    QStringList leeg;
    for (const QString& kolom : kolommen)
        leeg << QStringLiteral("%1 IS NULL OR trim(%1) = ''").arg(Schema::quoteIdent(kolom));
    return opslag
        .execNative(QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1")
                        .arg(Schema::quoteIdent(tabel), leeg.join(QStringLiteral(" OR "))))
        .next();
}

Bijwerking Plan(Storage& opslag, const QString& tabel, const QString& sql, const TabelDef& def)
{
    Bijwerking b{MetSchemaGroottes(sql, def), {}};
    QStringList open;  // key columns without the required-field rule
    for (const Kolom& kolom : Kolommen(opslag, tabel)) {
        const VeldDef* veld = def.veld(kolom.naam);
        if (!veld)
            continue;
        if (veld->type == VeldType::Currency && kolom.type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) != 0) {
            b.sql = MetKolomKop(b.sql, kolom.naam, Schema::quoteIdent(kolom.naam) + QStringLiteral(" INTEGER"));
            b.geldKolommen << kolom.naam;
        }
        if (def.isSleutelVeld(kolom.naam) && !kolom.verplicht)
            open << kolom.naam;
    }
    if (!open.isEmpty() && !HeeftLegeWaarde(opslag, tabel, open))
        for (const QString& kolom : std::as_const(open))
            b.sql = MetKolomKop(b.sql, kolom, QStringLiteral("\\1 NOT NULL"));
    return b;
}

// Euros to whole cents, half away from zero. The product is first rounded to
// six decimals, so that an amount whose binary fraction lands just below a
// half cent (1.005 * 100 is 100.4999...) rounds as it was written.
QString InCenten(const QString& kolom)
{
    return QStringLiteral("CAST(round(round(%1 * 100, 6)) AS INTEGER)").arg(Schema::quoteIdent(kolom));
}

// An amount that is no number (a text) has no cents to become; the table
// stays as it was rather than guess.
void ControleerBedragen(Storage& opslag, const QString& tabel, const QStringList& geldKolommen)
{
    for (const QString& kolom : geldKolommen) {
        QSqlQuery q = opslag.execNative(
            QStringLiteral("SELECT %1 FROM %2 WHERE typeof(%1) NOT IN ('integer', 'real', 'null') LIMIT 1")
                .arg(Schema::quoteIdent(kolom), Schema::quoteIdent(tabel)));
        if (q.next())
            throw DatabaseError(QStringLiteral("Veld '%1' bevat '%2', geen bedrag").arg(kolom, q.value(0).toString()));
    }
}

// Copies the rows out, makes the table anew and copies them back under their
// own row numbers, so that tables without a key keep their order. Indexes and
// delete checks of the table are made again as they were stored; the checks
// of other tables name this one and hold again once it is back.
void Herbouw(Storage& opslag, const QString& tabel, const Bijwerking& b)
{
    QStringList bijbehorend;
    QSqlQuery q = opslag.execNative(
        QStringLiteral("SELECT sql FROM sqlite_master WHERE tbl_name = ? AND type IN ('index', 'trigger') "
                       "AND sql IS NOT NULL"),
        {tabel});
    while (q.next())
        bijbehorend << q.value(0).toString();
    QStringList kolommen, waarden;
    for (const Kolom& kolom : Kolommen(opslag, tabel)) {
        kolommen << Schema::quoteIdent(kolom.naam);
        waarden << (b.geldKolommen.contains(kolom.naam) ? InCenten(kolom.naam) : kolommen.last());
    }
    const QString naam = Schema::quoteIdent(tabel);
    Transactie t(opslag);
    ControleerBedragen(opslag, tabel, b.geldKolommen);
    opslag.execNative(QStringLiteral("DROP TABLE IF EXISTS temp.orvel_verbreden"));
    opslag.execNative(
        QStringLiteral("CREATE TEMP TABLE orvel_verbreden AS SELECT rowid AS orvel_rij, * FROM %1").arg(naam));
    opslag.execNative(QStringLiteral("DROP TABLE %1").arg(naam));
    opslag.execNative(b.sql);
    opslag.execNative(QStringLiteral("INSERT INTO %1 (rowid, %2) SELECT orvel_rij, %3 FROM orvel_verbreden")
                          .arg(naam, kolommen.join(QStringLiteral(", ")), waarden.join(QStringLiteral(", "))));
    opslag.execNative(QStringLiteral("DROP TABLE temp.orvel_verbreden"));
    for (const QString& sql : std::as_const(bijbehorend))
        opslag.execNative(sql);
    t.commit();
}
}  // namespace

void WerkTabellenBij(Storage& opslag)
{
    for (const TabelDef& tabel : Schema::tabellen()) {
        QSqlQuery q = opslag.execNative(
            QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
            {tabel.naam});
        if (!q.next())
            continue;
        const QString naam = q.value(0).toString();
        const QString sql = q.value(1).toString();
        q.finish();
        const Bijwerking bijwerking = Plan(opslag, naam, sql, tabel);
        if (bijwerking.sql == sql)
            continue;
        try {
            Herbouw(opslag, naam, bijwerking);
        } catch (const DatabaseError& fout) {
            // Narrow texts and an open key rule only refuse what a new
            // database would accept; amounts left in euros would be misread.
            if (!bijwerking.geldKolommen.isEmpty())
                throw DatabaseError(QStringLiteral("De bedragen in tabel %1 konden niet naar centen worden "
                                                   "omgezet; de tabel is ongewijzigd gebleven.\r%2")
                                        .arg(naam, fout.tekst()));
        }
    }
}
