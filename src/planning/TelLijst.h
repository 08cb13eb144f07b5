#pragma once
// Building a real course from a phone list: who is still on the list, and
// moving one participant from the list into the new course.
#include "CursusGeneratie.h"
#include "data/CursusDeelnemers.h"

using TelLijstCursist = CursusDeelnemer;

// The participants of the phone list, as those of any course.
inline QList<TelLijstCursist> LeesTelLijst(Storage& s, int telLijstID) { return LeesCursusDeelnemers(s, telLijstID); }

// In one transaction: the participant's phone-list rows go and his rows of
// the new course come, so a failure leaves him on the phone list.
void ZetVanTelLijstOpCursus(Storage& s, int telLijstID, const NieuweCursus& cursus, int cursusID,
                            const QString& cursistNr);
