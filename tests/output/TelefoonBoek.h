#pragma once
// A dial-up service with a phone book that the test writes, standing in for
// the Remote Access Service of Windows, which this platform lacks.
#include "output/RasManager.h"

#include <QSet>

class TelefoonBoek : public RasDienst {
public:
    QStringList namen;
    QSet<QString> verbonden;
    QString onleesbaar;  // an entry whose properties cannot be read
    bool kiesbaar = true;
    QStringList gekozen;
    Voortgang voortgang;
    QList<quintptr> opgehangen;

    // Hands the test a pointer it keeps while the manager owns the service.
    static std::unique_ptr<RasDienst> maak(TelefoonBoek*& boek, QStringList namen)
    {
        auto dienst = std::make_unique<TelefoonBoek>();
        dienst->namen = std::move(namen);
        boek = dienst.get();
        return dienst;
    }

    bool Entries(QStringList& uit) override
    {
        uit = namen;
        return true;
    }
    bool Eigenschappen(TRasEntry& entry) override
    {
        entry.PhoneNumber = QStringLiteral("0900-1234");
        return entry.Name != onleesbaar;
    }
    bool Verbindingen(QList<Verbinding>& actief) override
    {
        for (const QString& naam : verbonden)
            actief.append({naam, quintptr(100 + namen.indexOf(naam))});
        actief.append({QStringLiteral("Niet in het telefoonboek"), 999});
        return true;
    }
    bool Projectie(quintptr, QString& lokaal, QString& server) override
    {
        lokaal = QStringLiteral("10.0.0.2");
        server = QStringLiteral("10.0.0.1");
        return true;
    }
    bool DialParams(const QString&) override { return kiesbaar; }
    bool Kies(const QString& naam, Voortgang v) override
    {
        gekozen << naam;
        voortgang = std::move(v);
        return true;
    }
    bool HangOp(quintptr handle) override
    {
        opgehangen << handle;
        verbonden.remove(namen.value(int(handle) - 100));
        return true;
    }
};
