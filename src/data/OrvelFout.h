#pragma once
// The one exception of the program: a failure with the Dutch text the user
// is shown. Each kind is its own type, so a caller catches only the kind it
// can handle.
#include <QByteArray>
#include <QString>
#include <exception>
#include <utility>

class OrvelFout : public std::exception {
public:
    explicit OrvelFout(QString tekst) : m_tekst(std::move(tekst)), m_utf8(m_tekst.toUtf8()) {}
    const QString& tekst() const { return m_tekst; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_tekst;
    QByteArray m_utf8;
};
