#pragma once
// What the e-mail sender of the print centre puts into its messages: the
// call-up of one participant, the attendance list of a course day, and the
// recipients' addresses. Each reads with queries of its own; no shared table
// handle moves.
#include <QString>
#include <QStringList>

class Storage;
class TReportsFrm;
class QDateTime;

// The lines of a call-up: number, name, course, location with its address,
// one line per course day of the participant, the start time, and, when he
// is enrolled for the course, the amount with the payment method.
QStringList OproepRegels(Storage& storage, int cursusID, const QString& cursusCode, const QString& cursistNr,
                         const QString& naam);

// The lines of the attendance list of course day `dag`, from the report
// provider after SetQueries(2): course, location, the day's date,
// instructor and supervisor, then one line per participant marked for
// printing.
QStringList PresentieLijstRegels(TReportsFrm& provider, int dag);

// The lines of the message that carries a participant's diploma.
QStringList DiplomaRegels(const QString& cursistNr, const QString& naam, const QString& cursusCode);

// The lines of the message that carries a letter of letter mode.
QStringList BriefRegels(const QString& cursistNr, const QString& naam);

// The recipient: kind 0 the participant's first e-mail address, kind 2 the
// instructor's or supervisor's; empty when there is none or for any other
// kind.
QString GetAdress(Storage& storage, int soort, const QString& sleutel);

// A message body: every line followed by CR LF.
QString MailTekst(const QStringList& regels);

// A date-time as a field shows it as text: "dd-mm-yyyy hh:mm", the time left
// out at midnight.
QString DatumAlsTekst(const QDateTime& moment);
