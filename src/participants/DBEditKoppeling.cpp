#include "DBEditKoppeling.h"

#include "data/TableHandle.h"

#include <QLineEdit>

DBEditKoppeling::DBEditKoppeling(QLineEdit* edit, TableHandle* tabel, const QString& veld)
    : QObject(edit), m_edit(edit), m_tabel(tabel), m_veld(veld)
{
    for (auto signaal : {&TableHandle::afterScroll, &TableHandle::afterPost, &TableHandle::afterCancel,
                         &TableHandle::stateChanged})
        connect(tabel, signaal, this, &DBEditKoppeling::Toon);
    connect(&VeldMaskers::Alle(), &VeldMaskers::gewijzigd, this, [this](const TableHandle* t, const QString& v) {
        if (t == m_tabel && v.compare(m_veld, Qt::CaseInsensitive) == 0)
            zetMasker();
    });
    connect(edit, &QLineEdit::textChanged, this, &DBEditKoppeling::schrijf);
    zetMasker();
}

void DBEditKoppeling::zetMasker()
{
    m_masker = VeldMaskers::Alle().Masker(m_tabel, m_veld);
    m_laden = true;
    m_edit->setInputMask(m_masker.qtMasker);
    if (m_masker.qtMasker.isEmpty()) {
        const VeldDef* def = m_tabel->def().veld(m_veld);
        m_edit->setMaxLength(def && def->grootte > 0 ? def->grootte : 32767);
    }
    m_laden = false;
    Toon();
}

void DBEditKoppeling::Toon()
{
    if (!m_tabel->isOpen())
        return;
    m_laden = true;
    m_edit->setText(m_tabel->heeftRij() || m_tabel->wordtBewerkt() ? m_tabel->text(m_veld) : QString());
    m_edit->home(false);
    m_laden = false;
}

void DBEditKoppeling::schrijf()
{
    if (m_laden || !m_tabel->wordtBewerkt())
        return;
    const QString waarde = m_masker.VeldWaarde(m_masker.qtMasker.isEmpty() ? m_edit->text() : m_edit->displayText());
    if (waarde == m_tabel->text(m_veld))
        return;
    m_tabel->setValue(m_veld, waarde.isEmpty() ? QVariant() : QVariant(waarde));
    Q_EMIT gewijzigd();
}
