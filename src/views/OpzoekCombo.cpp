#include "OpzoekCombo.h"

#include "DataActie.h"
#include "data/Storage.h"
#include "data/TableHandle.h"

#include <QSignalBlocker>
#include <QSqlQuery>

TOpzoekCombo::TOpzoekCombo(Storage& storage, const QString& sql, TableHandle& tabel, const QString& veld,
                           const QString& naam, QWidget* parent)
    : QComboBox(parent), m_storage(storage), m_sql(sql), m_tabel(tabel), m_veld(veld)
{
    setObjectName(naam);
    for (auto signaal :
         {&TableHandle::afterScroll, &TableHandle::afterPost, &TableHandle::afterCancel, &TableHandle::stateChanged})
        connect(&tabel, signaal, this, &TOpzoekCombo::Toon);
    connect(this, &QComboBox::activated, this, &TOpzoekCombo::gekozen);
}

void TOpzoekCombo::Vul()
{
    const QSignalBlocker stil(this);
    clear();
    DataActie([this] {
        // Codes in the type of the field they are stored in, so they compare.
        const VeldDef& veld = *m_tabel.def().veld(m_veld);
        QSqlQuery q = m_storage.exec(m_sql);
        while (q.next())
            addItem(q.value(1).toString(), TableHandle::uitOpslag(veld, q.value(0)));
    });
    Toon();
}

void TOpzoekCombo::Toon()
{
    const QSignalBlocker stil(this);
    const bool rij = m_tabel.isOpen() && (m_tabel.heeftRij() || m_tabel.wordtBewerkt());
    const QVariant code = rij ? m_tabel.value(m_veld) : QVariant();
    setCurrentIndex(code.isNull() ? -1 : findData(code));
}

void TOpzoekCombo::gekozen(int index)
{
    if (!m_tabel.wordtBewerkt() || index < 0)
        return;
    if (DataActie([&] { m_tabel.setValue(m_veld, itemData(index)); }))
        Q_EMIT gewijzigd();
}
