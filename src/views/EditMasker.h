#pragma once
// Edit masks in the classic form "mask;save literals;blank character"
// ("0000 >LL;1;_"), translated to QLineEdit input masks. Which field has
// which mask is kept with the storage (data/VeldMaskers.h).
#include <QChar>
#include <QStringList>
#include <QString>

struct EditMasker {
    QString qtMasker;            // for QLineEdit::setInputMask; empty = none
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
