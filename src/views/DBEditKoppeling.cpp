#include "DBEditKoppeling.h"

#include "data/TableHandle.h"

#include <QEvent>
#include <QLineEdit>

DBEditKoppeling::DBEditKoppeling(QLineEdit* edit, TableHandle* tabel, const QString& veld)
    : QObject(edit), m_edit(edit), m_tabel(tabel), m_veld(veld)
{
    for (auto signaal : {&TableHandle::afterScroll, &TableHandle::afterPost, &TableHandle::afterCancel,
                         &TableHandle::stateChanged})
        connect(tabel, signaal, this, &DBEditKoppeling::Toon);
    connect(&VeldMaskers::Alle(), &VeldMaskers::gewijzigd, this, [this](const QString& t, const QString& v) {
        if (t.compare(m_tabel->naam(), Qt::CaseInsensitive) == 0 && v.compare(m_veld, Qt::CaseInsensitive) == 0)
            zetMasker();
    });
    connect(edit, &QLineEdit::textChanged, this, &DBEditKoppeling::schrijf);
    edit->installEventFilter(this);
    zetMasker();
}

void DBEditKoppeling::zetMasker()
{
    m_masker = VeldMaskers::Alle().Masker(m_tabel->naam(), m_veld);
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

bool DBEditKoppeling::leeg() const
{
    return m_masker.VeldWaarde(m_masker.qtMasker.isEmpty() ? m_edit->text() : m_edit->displayText()).isEmpty();
}

// A click into an empty masked field would leave the cursor where the mouse
// landed, past the blanks, where typing goes nowhere: it starts at the first
// place instead.
bool DBEditKoppeling::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_edit && event->type() == QEvent::MouseButtonRelease && !m_masker.qtMasker.isEmpty()
        && !m_edit->hasSelectedText() && leeg())
        m_edit->setCursorPosition(m_masker.EersteInvoerPlaats());
    return QObject::eventFilter(object, event);
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
