#include "TelLijst.h"

#include "data/Storage.h"
#include "data/Transactie.h"

void ZetVanTelLijstOpCursus(Storage& s, int telLijstID, const NieuweCursus& cursus, int cursusID, const QString& cursistNr)
{
    Transactie t(s);
    s.exec(QStringLiteral("delete from cursussen where CursusID = ? and CursistNr = ?"), {telLijstID, cursistNr});
    SchrijfCursusRijen(s, cursus, cursusID, cursistNr);
    t.commit();
}
