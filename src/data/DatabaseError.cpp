#include "DatabaseError.h"

#include "ToonMelding.h"

void FoutjesException(const std::exception& fout)
{
    if (dynamic_cast<const StilAfbreken*>(&fout))
        return;
    const auto* eigen = dynamic_cast<const OrvelFout*>(&fout);
    const QString tekst = eigen ? eigen->tekst() : QString::fromUtf8(fout.what());
    if (tekst.contains(QLatin1String("Master has detail records")))
        ToonMelding(mFout, QStringLiteral("Er zijn nog records in de hoofdtabel die deze eigenschap bezitten!"),
                    Knoppen::OK, true);
    else if (tekst.contains(QLatin1String("Key violation")))
        ToonMelding(mFout, QStringLiteral("Code bestaat al. Verzin een andere!"), Knoppen::OK, true);
    else
        ToonMelding(mFout, tekst, Knoppen::OK, true);
}
