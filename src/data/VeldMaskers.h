#pragma once
// The edit masks of the fields, in their classic form ("0000 >LL;1;_"). A mask
// belongs to a table's field, so every edit bound to that field, through
// whichever handle, follows when it changes. The storage owns one set: masks
// hold for every handle on the same database.
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

// A field shown otherwise than it is stored (an account number stored in one
// piece and shown in groups): toon makes the text shown from the stored
// value, opslag the value to store from what is typed. Typing is then held
// to texts whose stored form fits the field, not to the length shown.
struct VeldWeergave {
    std::function<QString(const QString&)> toon;
    std::function<QString(const QString&)> opslag;
};

class VeldMaskers : public QObject {
    Q_OBJECT
public:
    // Table and field names are compared without regard to case; an empty
    // mask removes the field's mask.
    void Zet(const QString& tabel, const QString& veld, const QString& klassiek);
    QString Masker(const QString& tabel, const QString& veld) const;
    void ZetWeergave(const QString& tabel, const QString& veld, const VeldWeergave& weergave);
    // Empty functions for a field shown as stored.
    VeldWeergave Weergave(const QString& tabel, const QString& veld) const;

Q_SIGNALS:
    void gewijzigd(const QString& tabel, const QString& veld);

private:
    static QString sleutel(const QString& tabel, const QString& veld);
    QHash<QString, QString> m_maskers;
    QHash<QString, VeldWeergave> m_weergaven;
};
