#include "DBMemoKoppeling.h"

#include "data/TableHandle.h"

#include <QPlainTextEdit>
#include <QTextCursor>

DBMemoKoppeling::DBMemoKoppeling(QPlainTextEdit* memo, TableHandle* tabel, const QString& veld)
    : QObject(memo), m_memo(memo), m_tabel(tabel), m_veld(veld)
{
    if (const VeldDef* def = tabel->def().veld(veld); def && def->type == VeldType::Tekst)
        m_grootte = def->grootte;
    for (auto signaal :
         {&TableHandle::afterScroll, &TableHandle::afterPost, &TableHandle::afterCancel, &TableHandle::stateChanged})
        connect(tabel, signaal, this, &DBMemoKoppeling::Toon);
    connect(memo, &QPlainTextEdit::textChanged, this, &DBMemoKoppeling::schrijf);
    Toon();
}

void DBMemoKoppeling::Toon()
{
    if (!m_tabel->isOpen())
        return;
    const QString tekst = m_tabel->heeftRij() || m_tabel->wordtBewerkt() ? m_tabel->text(m_veld) : QString();
    if (tekst == m_memo->toPlainText())
        return;
    m_laden = true;
    m_memo->setPlainText(tekst);
    m_laden = false;
}

void DBMemoKoppeling::schrijf()
{
    if (m_laden)
        return;
    QString tekst = m_memo->toPlainText();
    if (m_grootte > 0 && tekst.size() > m_grootte) {
        tekst.truncate(m_grootte);
        m_laden = true;
        m_memo->setPlainText(tekst);
        m_memo->moveCursor(QTextCursor::End);
        m_laden = false;
    }
    if (!m_tabel->wordtBewerkt() || tekst == m_tabel->text(m_veld))
        return;
    m_tabel->setValue(m_veld, tekst.isEmpty() ? QVariant() : QVariant(tekst));
    Q_EMIT gewijzigd();
}
