#pragma once
// The date component and the program-wide date and time formats.
//
// Qt has no process-wide short date format that QDate::toString() and
// friends would pick up, so the formats every window shows and accepts live
// here, together with the conversions that use them. Code that shows or reads
// a date or a time goes through these functions, never through the locale.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <array>

// The weekday mask of locations, enrolments and groups, Sunday first:
// Sunday 64, Monday 32, Tuesday 16, Wednesday 8, Thursday 4, Friday 2,
// Saturday 1. A set bit means: not available on that day.
inline constexpr std::array<int, 7> WeekDagBits{64, 32, 16, 8, 4, 2, 1};
// The bit of a day's weekday in such a mask.
int WeekDagBit(const QDate& dag);

// Dates are shown as "dd-MM-yyyy" (QDate::toString syntax), times as "hh:mm".
inline constexpr char KorteDatumFormaat[] = "dd-MM-yyyy";
inline constexpr char KorteTijdFormaat[] = "hh:mm";

// "24-12-2003"; empty for an invalid date.
QString DatumNaarTekst(const QDate& datum);
// "09:05"; empty for an invalid time.
QString TijdNaarTekst(const QTime& tijd);
// Reads a typed date: day, month and four-digit year separated by "-", day and
// month with one or two digits ("1-2-2004" as well as "01-02-2004"), blanks
// around the text ignored. An invalid QDate when the text is no such date or
// the year lies outside 1..9999.
QDate TekstNaarDatum(const QString& tekst);
// Reads a typed time: "h:mm" or "h:mm:ss", hour and seconds with one or two
// digits. An invalid QTime when the text is no such time.
QTime TekstNaarTijd(const QString& tekst);

struct Feestdag {
    QString naam;
    QDate datum;
};

// The national holiday moved in 2014: up to 2013 Koninginnedag on 30 April,
// from 2014 Koningsdag on 27 April; either moves to the Saturday before when
// it falls on a Sunday. Both days are given for any year: the calendar of
// plannable days needs the old one to find rows written by the old rule.
inline constexpr int EersteKoningsdagJaar = 2014;
QDate Koninginnedag(int jaar);
QDate Koningsdag(int jaar);

// A date to stand on and walk from, with the Dutch public holidays of its
// year. One instance lives on the data module; the calendar of plannable days
// and the course identifiers are made with it.
class TZolDatum {
public:
    static constexpr int AantalFeestdagen = 11;
    using FeestdagTabel = std::array<Feestdag, AantalFeestdagen>;

    // Stands on today (midnight) with this year's holidays.
    TZolDatum();

    // Both setters check the date with IsDatum first: an invalid date shows
    // "Datum NIET juist!", leaves the component as it was and gives false.
    bool ZetSDatum(const QString& tekst);
    // Keeps the time part of the value.
    bool ZetDDatum(const QDateTime& waarde);
    QDateTime GeefDatum() const { return m_datum; }

    int Dag() const { return m_datum.date().day(); }
    int Maand() const { return m_datum.date().month(); }
    int Jaar() const { return m_datum.date().year(); }

    // 1 = Sunday ... 7 = Saturday.
    int DagVanWeek() const;

    // The walks keep the time part and return the new year; the holiday table
    // follows when the year changes.
    int VolgendeDag();
    int DagenErbij(int n);
    int DagenEraf(int n);

    // Whole days since 30 December 1899; 0 when there is no valid date.
    int DagNummer() const;

    // Formats the current date and time. Letters are case-insensitive:
    //   d, dd          day without / with leading zero
    //   ddd, dddd      Dutch day name, short ("ma") / long ("maandag")
    //   ddddd          the short date, "dd-mm-yyyy"
    //   m, mm          month without / with leading zero
    //   mmm, mmmm      Dutch month name, short ("mrt") / long ("maart")
    //   yy, yyyy       two / four-digit year (y = yy, yyy = yyyy)
    //   h, hh          hour (24-hour clock)
    //   n, nn          minute; m and mm right after an hour also mean minute
    //   s, ss          second
    //   z, zzz         millisecond
    //   "..." '...'    literal text
    // Every other character, "/" and ":" included, is copied as it is.
    QString FormatDatum(const QString& formaat) const;
    // The current date as "dd-mm-yyyy".
    QString DatumTekst() const;

    // True for a date in the program's date format (see TekstNaarDatum);
    // otherwise shows the plain message "Datum NIET juist!" and gives false.
    bool IsDatum(const QString& tekst) const;

    // Rebuilds the holiday table for a year; the current date stays.
    void MaakFeestdagen(int jaar);
    const FeestdagTabel& Feestdagen() const { return m_feestdagen; }
    // The first holiday on the current date's day, or empty.
    QString FeestdagNaam() const;
    bool IsFeestdag() const;

private:
    void ZetDatum(const QDateTime& waarde);
    const Feestdag* EersteFeestdagOpDatum() const;

    QDateTime m_datum;
    int m_feestdagJaar = 0;
    FeestdagTabel m_feestdagen;
};
