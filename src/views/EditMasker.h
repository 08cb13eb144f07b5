#pragma once
// Edit masks in the classic form "mask;save literals;blank character"
// ("0000 >LL;1;_"), translated to QLineEdit input masks, and the masks kept
// per field of a table: a mask belongs to the field, so every edit bound to
// that field, through whichever handle, follows when it changes.
#include <QChar>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

struct EditMasker {
    QString qtMasker;           // for QLineEdit::setInputMask; empty = none
    bool bewaarLiterals = true;  // the field keeps the mask's fixed characters
    QChar blanco = QLatin1Char('_');

    // Reads "0000 >LL;1;_": 0 digit, 9 optional digit, L letter, l optional
    // letter, A letter or digit, a optional letter or digit, C any character,
    // c optional character, > and < upper or lower case from here on, <> no
    // case change, \ makes the next character fixed. An empty text is no mask.
    static EditMasker Lees(const QString& klassiek);

    // The field value for what an edit under this mask shows: unfilled places
    // become blanks, trailing blanks go, and a text of fixed characters and
    // blanks only is empty (nothing was typed).
    QString VeldWaarde(const QString& getoond) const;
    // The first place where something is typed; 0 without a mask.
    int EersteInvoerPlaats() const;

    bool operator==(const EditMasker&) const = default;

private:
    // Per place of the mask its fixed character, or a null character where
    // something is typed.
    QString m_vast;
};

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
    static VeldMaskers& Alle();

    // Table and field names are compared without regard to case.
    void Zet(const QString& tabel, const QString& veld, const QString& klassiek);
    EditMasker Masker(const QString& tabel, const QString& veld) const;
    void ZetWeergave(const QString& tabel, const QString& veld, const VeldWeergave& weergave);
    // Empty functions for a field shown as stored.
    VeldWeergave Weergave(const QString& tabel, const QString& veld) const;

Q_SIGNALS:
    void gewijzigd(const QString& tabel, const QString& veld);

private:
    static QString sleutel(const QString& tabel, const QString& veld);
    QHash<QString, EditMasker> m_maskers;
    QHash<QString, VeldWeergave> m_weergaven;
};
