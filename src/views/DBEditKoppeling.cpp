#include "DBEditKoppeling.h"

#include "data/DatabaseError.h"
#include "data/Storage.h"
#include "data/TableHandle.h"

#include <QEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

QValidator* MaakValidator(VeldType type, QObject* ouder)
{
    switch (type) {
    case VeldType::SmallInt:
    case VeldType::Integer:
        return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\s*-?\\d*\\s*")), ouder);
    case VeldType::Currency:
        return new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\s*(€\\s*)?-?[\\d.]*(,\\d{0,2})?\\s*")), ouder);
    case VeldType::Tekst:
        return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\x{0}-\\x{1f}\\x{7f}-\\x{9f}]*")),
                                               ouder);
    default: return nullptr;
    }
}

namespace {
// Refuses at the key a text whose stored form would not fit the field.
class PastInVeld : public QValidator {
public:
    PastInVeld(std::function<QString(const QString&)> opslag, int grootte, QObject* ouder)
        : QValidator(ouder), m_opslag(std::move(opslag)), m_grootte(grootte)
    {
    }
    State validate(QString& tekst, int&) const override
    {
        return m_opslag(tekst).size() <= m_grootte ? Acceptable : Invalid;
    }

private:
    std::function<QString(const QString&)> m_opslag;
    int m_grootte;
};
}  // namespace

DBEditKoppeling::DBEditKoppeling(QLineEdit* edit, TableHandle* tabel, const QString& veld)
    : QObject(edit), m_edit(edit), m_tabel(tabel), m_veld(veld)
{
    for (auto signaal :
         {&TableHandle::afterScroll, &TableHandle::afterPost, &TableHandle::afterCancel, &TableHandle::stateChanged})
        connect(tabel, signaal, this, &DBEditKoppeling::Toon);
    connect(&tabel->storage().veldMaskers(), &VeldMaskers::gewijzigd, this, [this](const QString& t, const QString& v) {
        if (t.compare(m_tabel->naam(), Qt::CaseInsensitive) == 0 && v.compare(m_veld, Qt::CaseInsensitive) == 0)
            zetMasker();
    });
    connect(edit, &QLineEdit::textChanged, this, &DBEditKoppeling::schrijf);
    edit->installEventFilter(this);
    zetMasker();
}

void DBEditKoppeling::zetMasker()
{
    VeldMaskers& maskers = m_tabel->storage().veldMaskers();
    m_masker = EditMasker::Lees(maskers.Masker(m_tabel->naam(), m_veld));
    m_weergave = maskers.Weergave(m_tabel->naam(), m_veld);
    m_laden = true;
    // A mask is for typing: where nothing can be typed its blanks would only
    // stand around the value.
    m_edit->setInputMask(m_edit->isReadOnly() ? QString() : m_masker.qtMasker);
    const VeldDef* def = m_tabel->def().veld(m_veld);
    const int grootte = def && def->grootte > 0 ? def->grootte : 32767;
    if (m_weergave.opslag) {
        m_edit->setMaxLength(32767);
        delete m_eigenValidator;
        m_eigenValidator = new PastInVeld(m_weergave.opslag, grootte, m_edit);
        m_edit->setValidator(m_eigenValidator);
    } else if (m_masker.qtMasker.isEmpty()) {
        m_edit->setMaxLength(grootte);
        if (!m_edit->validator() && def)
            m_edit->setValidator(MaakValidator(def->type, m_edit));
    }
    m_laden = false;
    Toon();
}

void DBEditKoppeling::Toon()
{
    if (!m_tabel->isOpen())
        return;
    m_laden = true;
    m_ongeldig = false;
    const QString waarde = m_tabel->heeftRij() || m_tabel->wordtBewerkt() ? m_tabel->text(m_veld) : QString();
    m_edit->setText(m_weergave.toon ? m_weergave.toon(waarde) : waarde);
    m_edit->home(false);
    m_laden = false;
}

QString DBEditKoppeling::waarde() const
{
    if (!m_edit->inputMask().isEmpty())
        return m_masker.VeldWaarde(m_edit->displayText());
    return m_weergave.opslag ? m_weergave.opslag(m_edit->text()) : m_edit->text();
}

bool DBEditKoppeling::leeg() const { return waarde().isEmpty(); }

void DBEditKoppeling::ControleerInvoer() const
{
    if (m_ongeldig && m_tabel->wordtBewerkt())
        m_tabel->setValue(m_veld, waarde());  // throws the field's own error
}

// A click into an empty masked field would leave the cursor where the mouse
// landed, past the blanks, where typing goes nowhere: it starts at the first
// place instead.
bool DBEditKoppeling::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_edit && event->type() == QEvent::ReadOnlyChange && !m_masker.qtMasker.isEmpty())
        zetMasker();
    if (object == m_edit && event->type() == QEvent::MouseButtonRelease && !m_masker.qtMasker.isEmpty()
        && !m_edit->hasSelectedText() && leeg())
        m_edit->setCursorPosition(m_masker.EersteInvoerPlaats());
    return QObject::eventFilter(object, event);
}

void DBEditKoppeling::schrijf()
{
    if (m_laden || !m_tabel->wordtBewerkt())
        return;
    const QString tekst = waarde();
    m_ongeldig = false;
    if (tekst == m_tabel->text(m_veld))
        return;
    try {
        m_tabel->setValue(m_veld, tekst.isEmpty() ? QVariant() : QVariant(tekst));
    } catch (const DatabaseError&) {
        m_ongeldig = true;  // not a value yet; the field keeps its last one
        return;
    }
    Q_EMIT gewijzigd();
}

void HoofdletterInvoer(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& tekst) {
        const QString hoofdletters = tekst.toUpper();
        if (hoofdletters == tekst)
            return;
        const int plek = edit->cursorPosition();
        edit->setText(hoofdletters);
        edit->setCursorPosition(plek);
    });
}
