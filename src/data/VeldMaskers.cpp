#include "VeldMaskers.h"

QString VeldMaskers::sleutel(const QString& tabel, const QString& veld)
{
    return tabel.toLower() + QLatin1Char('.') + veld.toLower();
}

void VeldMaskers::Zet(const QString& tabel, const QString& veld, const QString& klassiek)
{
    const QString s = sleutel(tabel, veld);
    if (m_maskers.value(s) == klassiek)
        return;
    if (klassiek.isEmpty())
        m_maskers.remove(s);
    else
        m_maskers.insert(s, klassiek);
    Q_EMIT gewijzigd(tabel, veld);
}

QString VeldMaskers::Masker(const QString& tabel, const QString& veld) const
{
    return m_maskers.value(sleutel(tabel, veld));
}

void VeldMaskers::ZetWeergave(const QString& tabel, const QString& veld, const VeldWeergave& weergave)
{
    m_weergaven.insert(sleutel(tabel, veld), weergave);
    Q_EMIT gewijzigd(tabel, veld);
}

VeldWeergave VeldMaskers::Weergave(const QString& tabel, const QString& veld) const
{
    return m_weergaven.value(sleutel(tabel, veld));
}
