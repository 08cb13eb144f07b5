#include "data/ZolDatum.h"

#include "data/ToonMelding.h"

#include <QRegularExpression>
#include <utility>

namespace {

// Fixed Dutch names: the locale data of the machine must not change what the
// letters and lists show.
const char* const kDagNamen[] = {"zondag", "maandag", "dinsdag", "woensdag", "donderdag", "vrijdag", "zaterdag"};
const char* const kKorteDagNamen[] = {"zo", "ma", "di", "wo", "do", "vr", "za"};
const char* const kMaandNamen[] = {"januari", "februari", "maart",     "april",   "mei",      "juni",
                                   "juli",    "augustus", "september", "oktober", "november", "december"};
const char* const kKorteMaandNamen[] = {"jan", "feb", "mrt", "apr", "mei", "jun",
                                        "jul", "aug", "sep", "okt", "nov", "dec"};

int ZondagIsNul(const QDate& datum) { return datum.dayOfWeek() % 7; }

QString Getal(int waarde, qsizetype cijfers) { return QString::number(waarde).rightJustified(cijfers, u'0'); }

QString DagDeel(const QDate& datum, qsizetype aantal)
{
    switch (aantal) {
    case 1: return QString::number(datum.day());
    case 2: return Getal(datum.day(), 2);
    case 3: return kKorteDagNamen[ZondagIsNul(datum)];
    case 4: return kDagNamen[ZondagIsNul(datum)];
    default: return DatumNaarTekst(datum);
    }
}

QString MaandDeel(const QDate& datum, qsizetype aantal)
{
    switch (aantal) {
    case 1: return QString::number(datum.month());
    case 2: return Getal(datum.month(), 2);
    case 3: return kKorteMaandNamen[datum.month() - 1];
    default: return kMaandNamen[datum.month() - 1];
    }
}

// Gauss's rule. M and N follow the century; from 1900 to 2099 they are 24 and
// 5. Taking them from the century keeps Easter right in every Gregorian year,
// so the rare Easter on 22 March (Hemelvaartsdag on 30 April) occurs too.
QDate Paaszondag(int jaar)
{
    const int eeuw = jaar / 100;
    const int p = (13 + 8 * eeuw) / 25;
    const int q = eeuw / 4;
    const int m = (15 - p + eeuw - q) % 30;
    const int n = (4 + eeuw - q) % 7;
    const int a = (19 * (jaar % 19) + m) % 30;
    const int b = (2 * (jaar % 4) + 4 * (jaar % 7) + 6 * a + n) % 7;
    if (a == 29 && b == 6)
        return QDate(jaar, 4, 19);  // instead of 26 April
    if (a == 28 && b == 6 && (11 * m + 11) % 30 < 19)
        return QDate(jaar, 4, 18);  // instead of 25 April
    return QDate(jaar, 3, 22).addDays(a + b);
}

// The day itself, or the Saturday before when it falls on a Sunday.
QDate NietOpZondag(const QDate& dag) { return dag.dayOfWeek() == Qt::Sunday ? dag.addDays(-1) : dag; }

Feestdag KoningsFeest(int jaar)
{
    if (jaar < EersteKoningsdagJaar)
        return {QStringLiteral("Koninginnedag"), Koninginnedag(jaar)};
    return {QStringLiteral("Koningsdag"), Koningsdag(jaar)};
}

}  // namespace

int WeekDagBit(const QDate& dag) { return WeekDagBits[ZondagIsNul(dag)]; }

QDate Koninginnedag(int jaar) { return NietOpZondag(QDate(jaar, 4, 30)); }

QDate Koningsdag(int jaar) { return NietOpZondag(QDate(jaar, 4, 27)); }

QString DatumNaarTekst(const QDate& datum) { return datum.toString(QLatin1StringView(KorteDatumFormaat)); }

QString TijdNaarTekst(const QTime& tijd) { return tijd.toString(QLatin1StringView(KorteTijdFormaat)); }

QDate TekstNaarDatum(const QString& tekst)
{
    static const QRegularExpression vorm(QStringLiteral(R"(^\s*(\d{1,2})-(\d{1,2})-(\d{4})\s*$)"));
    const auto deel = vorm.match(tekst);
    if (!deel.hasMatch())
        return {};
    const int jaar = deel.captured(3).toInt();
    if (jaar < 1)
        return {};
    return QDate(jaar, deel.captured(2).toInt(), deel.captured(1).toInt());
}

QTime TekstNaarTijd(const QString& tekst)
{
    static const QRegularExpression vorm(QStringLiteral(R"(^\s*(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?\s*$)"));
    const auto deel = vorm.match(tekst);
    if (!deel.hasMatch())
        return {};
    return QTime(deel.captured(1).toInt(), deel.captured(2).toInt(), deel.captured(3).toInt());
}

TZolDatum::TZolDatum() { ZetDatum(QDateTime(QDate::currentDate(), QTime(0, 0))); }

bool TZolDatum::ZetSDatum(const QString& tekst)
{
    if (!IsDatum(tekst))
        return false;
    ZetDatum(QDateTime(TekstNaarDatum(tekst), QTime(0, 0)));
    return true;
}

bool TZolDatum::ZetDDatum(const QDateTime& waarde)
{
    if (!IsDatum(DatumNaarTekst(waarde.date())))
        return false;
    ZetDatum(waarde);
    return true;
}

int TZolDatum::DagVanWeek() const { return ZondagIsNul(m_datum.date()) + 1; }

int TZolDatum::VolgendeDag() { return DagenErbij(1); }

int TZolDatum::DagenErbij(int n)
{
    ZetDatum(m_datum.addDays(n));
    return Jaar();
}

int TZolDatum::DagenEraf(int n) { return DagenErbij(-n); }

int TZolDatum::DagNummer() const
{
    const QDate datum = m_datum.date();
    return datum.isValid() ? int(QDate(1899, 12, 30).daysTo(datum)) : 0;
}

QString TZolDatum::FormatDatum(const QString& formaat) const
{
    const QDate datum = m_datum.date();
    const QTime tijd = m_datum.time();
    QString uit;
    // As in the classic format strings, "m" after an hour is a minute, also
    // with separators or literal text in between.
    bool naUur = false;
    for (qsizetype i = 0; i < formaat.size();) {
        const QChar teken = formaat[i];
        if (teken == u'"' || teken == u'\'') {
            qsizetype eind = formaat.indexOf(teken, i + 1);
            if (eind < 0)
                eind = formaat.size();
            uit += formaat.mid(i + 1, eind - i - 1);
            i = eind + 1;
            continue;
        }
        const QChar letter = teken.toLower();
        qsizetype aantal = 1;
        while (i + aantal < formaat.size() && formaat[i + aantal].toLower() == letter)
            ++aantal;
        const qsizetype twee = aantal >= 2 ? 2 : 1;
        switch (letter.unicode()) {
        case 'd': uit += DagDeel(datum, aantal); break;
        case 'm': uit += naUur ? Getal(tijd.minute(), twee) : MaandDeel(datum, aantal); break;
        case 'y': uit += aantal <= 2 ? Getal(datum.year() % 100, 2) : Getal(datum.year(), 4); break;
        case 'h': uit += Getal(tijd.hour(), twee); break;
        case 'n': uit += Getal(tijd.minute(), twee); break;
        case 's': uit += Getal(tijd.second(), twee); break;
        case 'z': uit += Getal(tijd.msec(), aantal >= 3 ? 3 : 1); break;
        default: uit += formaat.mid(i, aantal); break;
        }
        if (letter.isLetter())
            naUur = letter == u'h';
        i += aantal;
    }
    return uit;
}

QString TZolDatum::DatumTekst() const { return DatumNaarTekst(m_datum.date()); }

bool TZolDatum::IsDatum(const QString& tekst) const
{
    if (TekstNaarDatum(tekst).isValid())
        return true;
    ToonBericht(QStringLiteral("Datum NIET juist!"));
    return false;
}

void TZolDatum::MaakFeestdagen(int jaar)
{
    const QDate pasen = Paaszondag(jaar);
    m_feestdagen = {{
        {QStringLiteral("Nieuwjaarsdag"), QDate(jaar, 1, 1)},
        {QStringLiteral("1e Paasdag"), pasen},
        {QStringLiteral("2e Paasdag"), pasen.addDays(1)},
        KoningsFeest(jaar),
        {QStringLiteral("Bevrijdingsdag"), QDate(jaar, 5, 5)},
        {QStringLiteral("Hemelvaartsdag"), pasen.addDays(39)},
        {QStringLiteral("1e Pinksterdag"), pasen.addDays(49)},
        {QStringLiteral("2e Pinksterdag"), pasen.addDays(50)},
        {QStringLiteral("1e Kerstdag"), QDate(jaar, 12, 25)},
        {QStringLiteral("2e Kerstdag"), QDate(jaar, 12, 26)},
        {QStringLiteral("Oudejaarsdag"), QDate(jaar, 12, 31)},
    }};
    // Hemelvaartsdag can come before 5 May, and in a year with Easter on
    // 22 March it falls on 30 April. Only a strictly earlier date moves, so on
    // a shared day the fixed holiday stays first and gives the name. (From
    // 2014 on the King's day lies before every possible Hemelvaartsdag.)
    if (m_feestdagen[5].datum < m_feestdagen[4].datum)
        std::swap(m_feestdagen[4], m_feestdagen[5]);
    if (m_feestdagen[4].datum < m_feestdagen[3].datum)
        std::swap(m_feestdagen[3], m_feestdagen[4]);
    m_feestdagJaar = jaar;
}

QString TZolDatum::FeestdagNaam() const
{
    const Feestdag* feestdag = EersteFeestdagOpDatum();
    return feestdag ? feestdag->naam : QString();
}

bool TZolDatum::IsFeestdag() const { return EersteFeestdagOpDatum() != nullptr; }

void TZolDatum::ZetDatum(const QDateTime& waarde)
{
    m_datum = waarde;
    if (Jaar() != m_feestdagJaar)
        MaakFeestdagen(Jaar());
}

const Feestdag* TZolDatum::EersteFeestdagOpDatum() const
{
    for (const Feestdag& feestdag : m_feestdagen) {
        if (feestdag.datum == m_datum.date())
            return &feestdag;
    }
    return nullptr;
}
