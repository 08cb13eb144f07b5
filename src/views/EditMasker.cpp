#include "EditMasker.h"

namespace {
// Characters that QLineEdit reads as mask characters; as fixed text they
// need a backslash.
const QString qtMaskerTekens = QStringLiteral("AaNnXx90Dd#HhBb><!;\\[]{}");

QChar qtTeken(QChar klassiek)
{
    switch (klassiek.unicode()) {
    case '0': return QLatin1Char('9');  // digit required
    case '9': return QLatin1Char('0');  // digit allowed
    case '#': return QLatin1Char('#');
    case 'L': return QLatin1Char('A');
    case 'l': return QLatin1Char('a');
    case 'A': return QLatin1Char('N');
    case 'a': return QLatin1Char('n');
    case 'C': return QLatin1Char('X');
    case 'c': return QLatin1Char('x');
    default: return {};
    }
}
}  // namespace

EditMasker EditMasker::Lees(const QString& klassiek)
{
    EditMasker m;
    if (klassiek.isEmpty())
        return m;
    int i = 0;
    for (; i < klassiek.size() && klassiek[i] != QLatin1Char(';'); ++i) {
        const QChar c = klassiek[i];
        if (c == QLatin1Char('\\') && i + 1 < klassiek.size()) {
            const QChar vast = klassiek[++i];
            m.qtMasker += qtMaskerTekens.contains(vast) ? QStringLiteral("\\") + vast : QString(vast);
            m.m_vast += vast;
        } else if (klassiek.mid(i, 2) == QLatin1String("<>")) {
            m.qtMasker += QLatin1Char('!');
            ++i;
        } else if (c == QLatin1Char('!')) {
            continue;  // only where optional blanks are shown; no counterpart here
        } else if (c == QLatin1Char('>') || c == QLatin1Char('<')) {
            m.qtMasker += c;
        } else if (const QChar t = qtTeken(c); !t.isNull()) {
            m.qtMasker += t;
            m.m_vast += QChar(0);
        } else {
            const QChar vast = c == QLatin1Char('_') ? QLatin1Char(' ') : c;
            m.qtMasker += qtMaskerTekens.contains(vast) ? QStringLiteral("\\") + vast : QString(vast);
            m.m_vast += vast;
        }
    }
    const QStringList rest = klassiek.mid(i + 1).split(QLatin1Char(';'));
    if (i < klassiek.size() && !rest.value(0).isEmpty())
        m.bewaarLiterals = rest.value(0) != QLatin1String("0");
    if (rest.size() > 1 && !rest[1].isEmpty())
        m.blanco = rest[1][0];
    m.qtMasker += QLatin1Char(';') + QString(m.blanco);
    return m;
}

QString EditMasker::VeldWaarde(const QString& getoond) const
{
    if (qtMasker.isEmpty())
        return getoond;
    QString tekst = getoond;
    tekst.replace(blanco, QLatin1Char(' '));
    while (tekst.endsWith(QLatin1Char(' ')))
        tekst.chop(1);
    QString leeg = m_vast;
    leeg.replace(QChar(0), QLatin1Char(' '));
    while (leeg.endsWith(QLatin1Char(' ')))
        leeg.chop(1);
    if (tekst.trimmed().isEmpty() || tekst == leeg)
        return {};
    if (!bewaarLiterals) {
        QString zonder;
        for (int i = 0; i < tekst.size(); ++i)
            if (i >= m_vast.size() || m_vast[i].isNull())
                zonder += tekst[i];
        tekst = zonder.trimmed();
    }
    return tekst;
}

int EditMasker::EersteInvoerPlaats() const
{
    const int plaats = int(m_vast.indexOf(QChar(0)));
    return plaats < 0 ? 0 : plaats;
}
