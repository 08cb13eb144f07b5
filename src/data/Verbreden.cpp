#include "Verbreden.h"

#include "DatabaseError.h"
#include "Schema.h"
#include "Storage.h"

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
            uit += QString(m.captured(0)).replace(m.capturedStart(2) - m.capturedStart(), m.capturedLength(2),
                                                  QString::number(veld->grootte));
    }
    return uit + sql.mid(vanaf);
}

QStringList Kolommen(Storage& opslag, const QString& tabel)
{
    QSqlQuery q = opslag.execNative(QStringLiteral("PRAGMA table_info(%1)").arg(Schema::quoteIdent(tabel)));
    QStringList kolommen;
    while (q.next())
        kolommen << Schema::quoteIdent(q.value(1).toString());
    return kolommen;
}

// Copies the rows out, makes the table anew and copies them back under their
// own row numbers, so that tables without a key keep their order. Indexes and
// delete checks of the table are made again as they were stored; the checks
// of other tables name this one and hold again once it is back.
void Herbouw(Storage& opslag, const QString& tabel, const QString& nieuweSql)
{
    QStringList bijbehorend;
    QSqlQuery q = opslag.execNative(
        QStringLiteral("SELECT sql FROM sqlite_master WHERE tbl_name = ? AND type IN ('index', 'trigger') "
                       "AND sql IS NOT NULL"),
        {tabel});
    while (q.next())
        bijbehorend << q.value(0).toString();
    const QString naam = Schema::quoteIdent(tabel);
    const QString kolommen = Kolommen(opslag, tabel).join(QStringLiteral(", "));
    opslag.begin();
    try {
        opslag.execNative(QStringLiteral("DROP TABLE IF EXISTS temp.orvel_verbreden"));
        opslag.execNative(QStringLiteral("CREATE TEMP TABLE orvel_verbreden AS SELECT rowid AS orvel_rij, * FROM %1").arg(naam));
        opslag.execNative(QStringLiteral("DROP TABLE %1").arg(naam));
        opslag.execNative(nieuweSql);
        opslag.execNative(QStringLiteral("INSERT INTO %1 (rowid, %2) SELECT orvel_rij, %2 FROM orvel_verbreden")
                              .arg(naam, kolommen));
        opslag.execNative(QStringLiteral("DROP TABLE temp.orvel_verbreden"));
        for (const QString& sql : std::as_const(bijbehorend))
            opslag.execNative(sql);
        opslag.commit();
    } catch (...) {
        opslag.rollback();
        throw;
    }
}
}  // namespace

void VerbreedTekstVelden(Storage& opslag)
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
        const QString nieuw = MetSchemaGroottes(sql, tabel);
        if (nieuw == sql)
            continue;
        try {
            Herbouw(opslag, naam, nieuw);
        } catch (const DatabaseError&) {
            // Left narrow: the values that fit are still stored and read.
        }
    }
}
