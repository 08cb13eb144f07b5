#include "LijstSql.h"

#include <QRegularExpression>

namespace {
const QString Deelnemers = QStringLiteral("select * from hoofd");
const QString Inschrijvingen = QStringLiteral("select * from hoofd h,cursusgegevens d where h.cursistnr=d.cursistnr");

// The text with the contents of every quoted value blanked out, so that a
// search finds only the statement's own words, at their own positions.
QString BuitenTekst(const QString& sql)
{
    QString uit = sql;
    QChar quote;
    for (qsizetype i = 0; i < uit.size(); ++i) {
        const QChar c = uit.at(i);
        if (quote.isNull()) {
            if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
                quote = c;
        } else if (c == quote) {
            quote = QChar();
        } else {
            uit[i] = QLatin1Char('x');
        }
    }
    return uit;
}

qsizetype Zoek(const QString& sql, const QRegularExpression& patroon)
{
    const QRegularExpressionMatch m = patroon.match(BuitenTekst(sql));
    return m.hasMatch() ? m.capturedStart() : -1;
}

const QRegularExpression& Woord(const char* woord)
{
    static QHash<QString, QRegularExpression> patronen;
    const QString sleutel = QLatin1String(woord);
    auto it = patronen.find(sleutel);
    if (it == patronen.end())
        it = patronen.insert(sleutel, QRegularExpression(QStringLiteral("\\b%1\\b").arg(sleutel),
                                                         QRegularExpression::CaseInsensitiveOption));
    return *it;
}

const QRegularExpression& En()
{
    static const QRegularExpression p(QStringLiteral(" and "), QRegularExpression::CaseInsensitiveOption);
    return p;
}
}  // namespace

QString BasisTekst(bool cursusModus, const QString& sorteerVeld)
{
    return (cursusModus ? Inschrijvingen : Deelnemers) + QStringLiteral(" order by ") + sorteerVeld;
}

bool IsCursusLijstSql(const QString& sql)
{
    return BuitenTekst(sql).contains(QLatin1String("hoofd h"), Qt::CaseInsensitive);
}

bool HeeftOrder(const QString& sql) { return Zoek(sql, Woord("order")) >= 0; }

QString ZonderOrder(const QString& sql)
{
    const qsizetype order = Zoek(sql, Woord("order"));
    return order < 0 ? sql : sql.left(order);
}

QString SorteerSql(const QString& sql, const QString& veld)
{
    QString basis = ZonderOrder(sql);
    // A filter's text ends in its last condition; without a blank the order
    // clause would stick to it.
    if (!basis.isEmpty() && !basis.back().isSpace())
        basis += QLatin1Char(' ');
    return basis + QStringLiteral("order by ") + veld;
}

QString RichtingSql(const QString& sql, bool aflopend)
{
    static const QRegularExpression richting(QStringLiteral("\\s*\\b(ascending|descending)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
    const qsizetype plek = Zoek(sql, richting);
    const QString basis = plek >= 0 ? sql.left(plek) : sql;
    return basis + (aflopend ? QStringLiteral(" descending") : QStringLiteral(" ascending"));
}

bool IsGefilterd(const QString& sql)
{
    const QString buiten = BuitenTekst(sql);
    if (IsCursusLijstSql(sql))
        return buiten.contains(En());
    return buiten.contains(Woord("where"));
}

QString GeefFilterConditie(const QString& sql)
{
    const QString buiten = BuitenTekst(sql);
    qsizetype begin = -1;
    if (IsCursusLijstSql(sql)) {
        const QRegularExpressionMatch m = En().match(buiten);
        begin = m.hasMatch() ? m.capturedEnd() : -1;
    } else {
        const QRegularExpressionMatch m = Woord("where").match(buiten);
        begin = m.hasMatch() ? m.capturedEnd() : -1;
    }
    if (begin < 0)
        return {};
    return ZonderOrder(sql.mid(begin)).trimmed();
}

QString FilterSql(bool cursusModus, const QString& conditie, const QString& sorteerVeld)
{
    if (conditie.trimmed().isEmpty())
        return BasisTekst(cursusModus, sorteerVeld);
    return (cursusModus ? Inschrijvingen + QStringLiteral(" and ") : Deelnemers + QStringLiteral(" where ")) + conditie
           + QStringLiteral(" order by ") + sorteerVeld;
}
