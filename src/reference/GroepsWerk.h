#pragma once
// What the group windows read and write, each with a query of its own, so no
// shared table handle moves. A group is every enrolment with the same
// GroepsCode (exact comparison); its code reaches SQL bound or quoted.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

class Storage;

// True when an enrolment or an archived enrolment still carries the code.
bool GroepsCodeInGebruik(Storage& storage, const QString& code);
// Gives every enrolment and archived enrolment with the code a single blank,
// the value for "no group".
void WisGroepsCode(Storage& storage, const QString& code);

// The follow-up course of a course profile: empty when it has none, nullopt
// when there is no such profile.
std::optional<QString> VervolgOpleiding(Storage& storage, const QString& cursusCode);

// The courses of the group whose members still need a call-up, in code order:
// a course without a follow-up always (its members are called up again), a
// course with a follow-up only while a member lacks the diploma (members with
// it go on to the follow-up). Codes without a profile are left out.
QStringList GroepsCursussen(Storage& storage, const QString& groep);

// A condition with its values bound to its "?", in order.
struct GroepsFilter {
    QString tekst;
    QVariantList waarden;
};

// The condition that selects the group's enrolments the window shows and
// dates for one course: with a follow-up only the members without a diploma.
GroepsFilter GroepsLedenFilter(const QString& groep, const QString& cursusCode, bool metVervolg);

// The one HHFreq of the rows of the condition; nullopt when they differ.
std::optional<int> GelijkeHHFreq(Storage& storage, const GroepsFilter& filter);

// These change every enrolment of the group, for all its courses.
void ZetGroepsWeekDagen(Storage& storage, const QString& groep, int weekDagen);
void ZetGroepsHHFreq(Storage& storage, const QString& groep, int hhFreq);
// The next call-up date of the rows of the condition.
void ZetGroepsOproep(Storage& storage, const GroepsFilter& filter, const QDate& datum);
