#pragma once
// The data work of letter mode, without a window: the fixed column profile
// of the letter list (BriefProfielNaam), and the Print marks in Hoofd that say which
// participants a letter run covers.
#include <QString>
#include <QStringList>

class TDataModFrm;

class BriefWerk {
public:
    explicit BriefWerk(TDataModFrm& dm) : m_dm(dm) {}

    // The query the letter reads: the marked participants by surname.
    static const QString BriefSql;
    // The designer's sample: the marked participants as they are.
    static const QString VoorbeeldSql;

    // True when the letter profile exists (name compared ignoring case) and
    // its Velden name every column of the letter list.
    bool CheckProfiel();
    // Tells the user the profile is rewritten, then writes the letter profile
    // (a new row when there is none). False, after the error, when writing
    // fails.
    bool MaakBriefProfiel();

    // Marks exactly these participants (numbers that do not exist are
    // passed over), all or nothing. Throws the storage's error.
    void MarkeerVoorBrief(const QStringList& cursistNrs);
    // Marks the first five participants in Hoofd's current order (fewer when
    // there are fewer) as sample data for the designer; returns how many.
    int MarkeerVoorbeeld();

private:
    TDataModFrm& m_dm;
};
