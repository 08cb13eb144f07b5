#pragma once
// Payments are recorded per course: for each participant, whether his
// enrolment for the course's profile is paid. The amount due is never
// changed here.
#include <QList>
#include <QPair>
#include <QString>

class Storage;

// Per participant number, in the same order: whether his enrolment for the
// course code is paid; false without such an enrolment.
QList<bool> LeesBetaald(Storage& storage, const QStringList& cursistNrs, const QString& cursusCode);
// Stores Betaald per participant number; one without an enrolment for the
// course code is skipped. All of them are stored, or none.
void SchrijfBetalingen(Storage& storage, const QString& cursusCode, const QList<QPair<QString, bool>>& betaald);
