#pragma once
// A small planning world on a temporary database: locations, a profile,
// participants with enrolments, calendar days and course rows, written with
// plain SQL so each test states only what it needs.
#include "TestSupport.h"

#include <QDate>
#include <QString>
#include <QVariant>

class Storage;

class PlanningFixture {
public:
    PlanningFixture();
    TDataModFrm& dm() { return m_db.dm(); }
    Storage& s();

    void lokatie(const QString& code, const QString& naam, int weekDagen = 0);
    void profiel(const QString& code, const QString& naam, int dagen, int max, const QString& prijs = "25,00");
    void cursist(const QString& nr, const QString& naam, const QString& geslacht = "M");
    // An enrolment; lokatie and groep may be empty (stored as no value).
    void inschrijving(const QString& nr, const QString& code, const QString& lokatie, const QDate& oproep,
                      const QString& groep = {}, int weekDagen = 0, int betaalwCode = 2, int aantal = 1);
    // The calendar holds exactly these days; uitgesloten ones are excluded.
    void kalender(const QList<QDate>& dagen, const QList<QDate>& uitgesloten = {});
    void cursusRij(const QDateTime& datum, int dag, const QString& nr, const QString& code, const QString& lokatie,
                   int cursusID);
    int aantal(const QString& sql, const QVariantList& waarden = {});
    QVariant waarde(const QString& sql, const QVariantList& waarden = {});

private:
    TempDatabase m_db;
};
