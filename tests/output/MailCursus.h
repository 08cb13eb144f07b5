#pragma once
// Course 7 of the report fixture made ready for mail: the location's address,
// a start time, e-mail addresses (the first participant's with blanks around
// it, the second's only as second address) and the instructor's.
#include "CursusVoorbeeld.h"

inline void vulMailCursus(Storage& s)
{
    vulCursus(s);
    s.exec("update Lokatie set Adres = 'Brink 1', Postcode = '8261 AA' where LokatieCode = 'WIJK'");
    s.exec("update CursusProfiel set AanvangsTyd = '19:30:00' where CursusCode = 'EHBO'");
    s.exec("update Hoofd set E_Mail1 = ' zijlstra@example.test ' where CursistNr = '000001'");
    s.exec("update Hoofd set E_Mail2 = 'aalders@example.test' where CursistNr = '000002'");
    s.exec("update Begeleiders set E_Mail = 'bos@example.test' where PersoonCode = 'I1'");
}
