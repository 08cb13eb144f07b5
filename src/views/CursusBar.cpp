#include "CursusBar.h"

#include "CursusPlaatjes.h"
#include "DataActie.h"
#include "data/Schema.h"
#include "data/VeldTekst.h"
#include "data/Storage.h"
#include "data/Zoeken.h"
#include "data/TableHandle.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHash>
#include <QPushButton>
#include <QSqlQuery>
#include <algorithm>

TCursusBar::TCursusBar(Storage& storage, const QString& naam, QWidget* parent) : QScrollArea(parent), m_storage(storage)
{
    setObjectName(naam);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    auto* binnen = new QWidget;
    m_rij = new QHBoxLayout(binnen);
    m_rij->setContentsMargins(2, 2, 2, 2);
    m_rij->addStretch();
    setWidget(binnen);
}

QList<QPushButton*> TCursusBar::Knoppen() const { return widget()->findChildren<QPushButton*>(); }

void TCursusBar::Leeg()
{
    for (QPushButton* knop : Knoppen())
        delete knop;
    m_iconen.clear();
}

void TCursusBar::Vul(const QString& conditie, const QVariantList& waarden)
{
    Leeg();
    const VeldDef& datum = *Schema::tabelOf(QStringLiteral("Cursussen")).veld(QStringLiteral("Datum"));
    DataActie([&] {
        QSqlQuery q = m_storage.exec(
            QStringLiteral("select distinct CursusID, CursusCode, Datum from Cursussen where ")
                + (m_alleDagen ? QStringLiteral("1 = 1") : QStringLiteral("Dag = 1"))
                + (conditie.isEmpty() ? QString() : QStringLiteral(" and (") + conditie + QStringLiteral(")"))
                + (m_nieuwsteEerst ? QStringLiteral(" order by Datum descending, CursusCode")
                                   : QStringLiteral(" order by Datum, CursusCode")),
            waarden);
        while (q.next()) {
            const QDateTime eersteDag = TableHandle::uitOpslag(datum, q.value(2)).toDateTime();
            voegToe(q.value(0).toInt(), q.value(1).toString(), eersteDag.toString(m_datumFormaat));
        }
    });
}

void TCursusBar::VulDagen(const QString& conditie, const QVariantList& waarden)
{
    Leeg();
    const VeldDef& datum = *Schema::tabelOf(QStringLiteral("Cursussen")).veld(QStringLiteral("Datum"));
    DataActie([&] {
        QSqlQuery q = m_storage.exec(QStringLiteral("select CursusID, CursusCode, Datum from Cursussen where ")
                                         + conditie + QStringLiteral(" order by Datum, Dag, CursistNr, CursusCode"),
                                     waarden);
        while (q.next())
            voegToe(q.value(0).toInt(), q.value(1).toString(), VeldTekst(TableHandle::uitOpslag(datum, q.value(2))));
    });
}

// Looked up once per course code in a fill: a profile may change between fills.
QIcon TCursusBar::icoonVan(const QString& cursusCode)
{
    if (!m_iconen.contains(cursusCode))
        m_iconen.insert(cursusCode, CursusPlaatjes::Icoon(GeefImageIndex(m_storage, cursusCode)));
    return m_iconen.value(cursusCode);
}

QPushButton* TCursusBar::voegToe(int cursusID, const QString& cursusCode, const QString& dag)
{
    auto* knop = new QPushButton(icoonVan(cursusCode), cursusCode + QLatin1Char(' ') + dag);
    knop->setObjectName(QStringLiteral("Cursus%1").arg(cursusID));
    knop->setProperty("CursusID", cursusID);
    knop->setAutoDefault(false);
    // Never narrower than its caption: a full bar scrolls instead.
    knop->setMinimumSize(std::max(77, knop->sizeHint().width()), 36);
    connect(knop, &QPushButton::clicked, this, [this, cursusID, knop] {
        Q_EMIT CursusGekozen(cursusID);
        Q_EMIT KnopGekozen(knop);
    });
    m_rij->insertWidget(m_rij->count() - 1, knop);
    return knop;
}
