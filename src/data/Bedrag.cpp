#include "Bedrag.h"

#include "Routines.h"

#include <QRegularExpression>
#include <cmath>

namespace {
// Whole euros with at most fifteen digits: the cents of any such amount fit
// in 64 bits with room for sums.
constexpr int maxEuroCijfers = 15;
}  // namespace

Bedrag Bedrag::UitEuro(double euro) { return Bedrag(qint64(std::llround(euro * 100.0))); }

Bedrag Bedrag::Lees(const QString& tekst)
{
    static const QRegularExpression patroon(
        QStringLiteral("^(?:€\\s*)?(-)?(\\d{1,3}(?:\\.\\d{3})+|\\d+)(?:,(\\d{1,2}))?$"));
    const QRegularExpressionMatch m = patroon.match(tekst.trimmed());
    QString euro = m.captured(2);
    euro.remove(QLatin1Char('.'));
    if (!m.hasMatch() || euro.size() > maxEuroCijfers)
        throw ConversieFout(QStringLiteral("'%1' is geen geldig bedrag").arg(tekst));
    const qint64 centen = euro.toLongLong() * 100 + m.captured(3).leftJustified(2, QLatin1Char('0')).toLongLong();
    return Bedrag(m.captured(1).isEmpty() ? centen : -centen);
}

QString Bedrag::EuroDeel() const
{
    const QString euro = QString::number(std::abs(m_centen) / 100);
    return m_centen < 0 ? QLatin1Char('-') + euro : euro;
}

QString Bedrag::CentenDeel() const
{
    return QString::number(std::abs(m_centen) % 100).rightJustified(2, QLatin1Char('0'));
}

QString Bedrag::Tekst() const
{
    QString euro = QString::number(std::abs(m_centen) / 100);
    for (qsizetype i = euro.size() - 3; i > 0; i -= 3)
        euro.insert(i, QLatin1Char('.'));
    return (m_centen < 0 ? QStringLiteral("-") : QString()) + euro + QLatin1Char(',') + CentenDeel();
}
