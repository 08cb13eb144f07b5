#include "SqlTranslator.h"

#include "Schema.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QVector>
#include <algorithm>

namespace {

enum class Soort { Woord, Getal, Tekst, Naam, Parameter, Teken, Spatie };

struct Token {
    Soort soort;
    QString tekst;
};

QVector<Token> tokenize(const QString& sql)
{
    QVector<Token> tokens;
    int i = 0;
    const int n = int(sql.size());
    auto isWoordTeken = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    while (i < n) {
        const QChar c = sql.at(i);
        int start = i;
        if (c.isSpace()) {
            while (i < n && sql.at(i).isSpace())
                ++i;
            tokens.push_back({Soort::Spatie, sql.mid(start, i - start)});
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Quotes inside are doubled; an unterminated text runs to the end.
            ++i;
            while (i < n) {
                if (sql.at(i) == c) {
                    if (i + 1 < n && sql.at(i + 1) == c) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            tokens.push_back({c == QLatin1Char('\'') ? Soort::Tekst : Soort::Naam, sql.mid(start, i - start)});
        } else if (c.isDigit()) {
            while (i < n && (sql.at(i).isDigit() || sql.at(i) == QLatin1Char('.')))
                ++i;
            tokens.push_back({Soort::Getal, sql.mid(start, i - start)});
        } else if (isWoordTeken(c)) {
            while (i < n && isWoordTeken(sql.at(i)))
                ++i;
            tokens.push_back({Soort::Woord, sql.mid(start, i - start)});
        } else if (c == QLatin1Char(':') && i + 1 < n && isWoordTeken(sql.at(i + 1))) {
            ++i;
            while (i < n && isWoordTeken(sql.at(i)))
                ++i;
            tokens.push_back({Soort::Parameter, sql.mid(start, i - start)});
        } else {
            ++i;
            tokens.push_back({Soort::Teken, QString(c)});
        }
    }
    return tokens;
}

QString unquote(const QString& quoted)
{
    const QChar q = quoted.at(0);
    QString inner = quoted.mid(1, quoted.size() >= 2 && quoted.endsWith(q) ? quoted.size() - 2 : -1);
    return inner.replace(QString(q) + q, QString(q));
}

// 'm/d/yyyy' or 'm/d/yyyy h:mm[:ss]' → ISO; anything else unchanged.
QString isoDatum(const QString& inhoud)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const auto m = re.match(inhoud);
    if (!m.hasMatch())
        return inhoud;
    const QDate datum(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    if (!datum.isValid())
        return inhoud;
    QString iso = datum.toString(QStringLiteral("yyyy-MM-dd"));
    if (!m.captured(4).isEmpty())
        iso += QStringLiteral(" %1:%2:%3")
                   .arg(m.captured(4).toInt(), 2, 10, QLatin1Char('0'))
                   .arg(m.captured(5))
                   .arg(m.captured(6).isEmpty() ? QStringLiteral("00") : m.captured(6));
    return iso;
}

bool isVeldOfTabelNaam(const QString& naam)
{
    if (Schema::tabel(naam))
        return true;
    for (const TabelDef& t : Schema::tabellen())
        if (t.veld(naam))
            return true;
    return false;
}

const QSet<QString>& sleutelwoorden()
{
    static const QSet<QString> woorden{
        "select",     "distinct", "from",  "where",  "and",   "or",     "not",     "order", "by",     "group",
        "having",     "as",       "is",    "null",   "like",  "in",     "between", "asc",   "desc",   "ascending",
        "descending", "true",     "false", "update", "set",   "delete", "insert",  "into",  "values", "join",
        "on",         "inner",    "left",  "outer",  "count", "sum",    "min",     "max",   "avg",    "upper",
        "lower",      "exists",   "case",  "when",   "then",  "else",   "end",     "all",   "union",  "limit"};
    return woorden;
}

struct TabelInJoin {
    const TabelDef* tabel;
    QString alias;  // the name by which the query refers to it
};

// The tables of a "from a x, b y" clause, in order.
QList<TabelInJoin> joinTabellen(const QVector<Token>& tokens)
{
    QList<TabelInJoin> lijst;
    int i = 0;
    while (i < tokens.size()
           && !(tokens[i].soort == Soort::Woord
                && tokens[i].tekst.compare(QLatin1String("from"), Qt::CaseInsensitive) == 0))
        ++i;
    static const QSet<QString> einde{"where", "order", "group", "having", "union", "limit"};
    const TabelDef* huidige = nullptr;
    QString alias;
    auto sluit = [&] {
        if (huidige)
            lijst.append({huidige, alias});
        huidige = nullptr;
        alias.clear();
    };
    for (++i; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.soort == Soort::Spatie)
            continue;
        if (t.soort == Soort::Woord && einde.contains(t.tekst.toLower()))
            break;
        if (t.soort == Soort::Teken && t.tekst == QLatin1String(",")) {
            sluit();
            continue;
        }
        if (t.soort == Soort::Woord || t.soort == Soort::Naam) {
            const QString naam = t.soort == Soort::Naam ? unquote(t.tekst) : t.tekst;
            if (!huidige) {
                huidige = Schema::tabel(naam);
                alias = naam;
            } else if (t.tekst.compare(QLatin1String("as"), Qt::CaseInsensitive) != 0) {
                alias = naam;
            }
        }
    }
    sluit();
    return lijst;
}

}  // namespace

QString rijSleutels(const QString& localSql)
{
    // One table: its rowid, with which every index of the table ends, so an
    // order on an indexed field needs no sort. A join: each table's unique
    // key, which the join walks in key order, so the unsorted enrolment list
    // needs no sort either. The longest key comes first: in a join on part
    // of it (the enrolments of each participant) it alone fixes the row and
    // its index gives the order, where a shorter key first would leave the
    // planner a sort whenever it starts from the longer one.
    QList<TabelInJoin> tabellen = joinTabellen(tokenize(localSql));
    const auto lengte = [](const TabelInJoin& t) {
        return t.tabel->primaireSleutel && t.tabel->primaireSleutel->uniek ? t.tabel->primaireSleutel->velden.size()
                                                                           : qsizetype(0);
    };
    std::stable_sort(tabellen.begin(), tabellen.end(),
                     [&](const TabelInJoin& a, const TabelInJoin& b) { return lengte(a) > lengte(b); });
    QStringList sleutels;
    for (const TabelInJoin& t : tabellen) {
        const QString alias = Schema::quoteIdent(t.alias);
        if (tabellen.size() == 1 || !t.tabel->primaireSleutel || !t.tabel->primaireSleutel->uniek) {
            sleutels << alias + QStringLiteral(".rowid");
            continue;
        }
        for (const QString& veld : t.tabel->primaireSleutel->velden)
            sleutels << alias + QLatin1Char('.') + Schema::quoteIdent(veld);
    }
    return sleutels.join(QStringLiteral(", "));
}

QString quoteSqlString(const QString& value)
{
    return QLatin1Char('\'') + QString(value).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

namespace {

// What the tables of the text's join say about the names in it.
struct JoinKennis {
    QSet<QString> aliassen;
    // Names that more than one joined table has, with the alias of the first.
    QHash<QString, QString> dubbel;
    // Text fields sort without regard to case, as the name indexes do, so
    // "de Groot" does not end up after every capital. Key fields keep the
    // exact order of their key, which is also what lets a sort use the key.
    QSet<QString> tekstVelden;
};

JoinKennis leesJoin(const QVector<Token>& tokens)
{
    const QList<TabelInJoin> join = joinTabellen(tokens);
    JoinKennis kennis;
    for (const TabelInJoin& t : join)
        kennis.aliassen.insert(t.alias.toLower());

    if (join.size() > 1) {
        QHash<QString, int> aantal;
        QHash<QString, QString> eerste;
        for (const TabelInJoin& t : join)
            for (const VeldDef& v : t.tabel->velden) {
                const QString sleutel = v.naam.toLower();
                if (++aantal[sleutel] == 1)
                    eerste.insert(sleutel, t.alias);
            }
        for (auto it = aantal.cbegin(); it != aantal.cend(); ++it)
            if (it.value() > 1)
                kennis.dubbel.insert(it.key(), eerste.value(it.key()));
    }

    QSet<QString> sleutelVelden;
    for (const TabelInJoin& t : join) {
        for (const VeldDef& v : t.tabel->velden)
            if (v.type == VeldType::Tekst || v.type == VeldType::Memo)
                kennis.tekstVelden.insert(v.naam.toLower());
        if (t.tabel->primaireSleutel)
            for (const QString& veld : t.tabel->primaireSleutel->velden)
                sleutelVelden.insert(veld.toLower());
    }
    kennis.tekstVelden.subtract(sleutelVelden);
    return kennis;
}

// The tokens again as SQLite text, each in the light of the join.
QString herschrijf(const QVector<Token>& tokens, const JoinKennis& kennis)
{
    QString uit;
    bool inFrom = false;
    bool inOrderBy = false;
    auto vorigeBetekenis = [&](int i) -> const Token* {
        for (int j = i - 1; j >= 0; --j)
            if (tokens[j].soort != Soort::Spatie)
                return &tokens[j];
        return nullptr;
    };
    auto volgendeBetekenis = [&](int i) -> const Token* {
        for (int j = i + 1; j < tokens.size(); ++j)
            if (tokens[j].soort != Soort::Spatie)
                return &tokens[j];
        return nullptr;
    };
    for (int i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        switch (t.soort) {
        case Soort::Tekst: uit += quoteSqlString(isoDatum(unquote(t.tekst))); break;
        case Soort::Naam: {
            QString naam = unquote(t.tekst);
            if (isVeldOfTabelNaam(naam)) {
                if (const TabelDef* tabel = Schema::tabel(naam))
                    naam = tabel->naam;
                uit += Schema::quoteIdent(naam);
            } else {
                uit += quoteSqlString(isoDatum(naam));
            }
            break;
        }
        case Soort::Woord: {
            const QString laag = t.tekst.toLower();
            if (laag == QLatin1String("from"))
                inFrom = true;
            else if (laag == QLatin1String("where") || laag == QLatin1String("order") || laag == QLatin1String("group"))
                inFrom = false;
            if (laag == QLatin1String("order"))
                inOrderBy = true;
            else if (laag == QLatin1String("limit") || laag == QLatin1String("union"))
                inOrderBy = false;
            const Token* vorige = vorigeBetekenis(i);
            const Token* volgende = volgendeBetekenis(i);
            const bool gekwalificeerd = vorige && vorige->soort == Soort::Teken && vorige->tekst == QLatin1String(".");
            if (laag == QLatin1String("ascending") && !gekwalificeerd)
                uit += QStringLiteral("ASC");
            else if (laag == QLatin1String("descending") && !gekwalificeerd)
                uit += QStringLiteral("DESC");
            else if (!inFrom && !gekwalificeerd && kennis.dubbel.contains(laag) && !sleutelwoorden().contains(laag)
                     && !kennis.aliassen.contains(laag)
                     && !(volgende && volgende->soort == Soort::Teken && volgende->tekst == QLatin1String(".")))
                uit += kennis.dubbel.value(laag) + QLatin1Char('.') + t.tekst;
            else
                uit += t.tekst;
            const bool aliasVoorVeld = volgende && volgende->soort == Soort::Teken
                                       && volgende->tekst == QLatin1String(".");
            if (inOrderBy && !aliasVoorVeld && kennis.tekstVelden.contains(laag) && !sleutelwoorden().contains(laag))
                uit += QStringLiteral(" COLLATE NOCASE");
            break;
        }
        default: uit += t.tekst;
        }
    }
    return uit;
}

}  // namespace

// Three steps: the text in tokens, what its join says, the tokens written
// again for SQLite.
QString translateSql(const QString& localSql)
{
    const QVector<Token> tokens = tokenize(localSql);
    return herschrijf(tokens, leesJoin(tokens));
}
