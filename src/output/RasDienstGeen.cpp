// Where the system has no dial-up service (every platform but Windows):
// every call fails, so the manager holds no phone-book entries.
#include "RasManager.h"

#ifndef _WIN32
namespace {
class GeenRasDienst : public RasDienst {
public:
    bool Entries(QStringList&) override { return false; }
    bool Eigenschappen(TRasEntry&) override { return false; }
    bool Verbindingen(QList<Verbinding>&) override { return false; }
    bool Projectie(quintptr, QString&, QString&) override { return false; }
    bool DialParams(const QString&) override { return false; }
    bool Kies(const QString&, Voortgang) override { return false; }
    bool HangOp(quintptr) override { return false; }
};
}  // namespace

std::unique_ptr<RasDienst> MaakRasDienst() { return std::make_unique<GeenRasDienst>(); }
#endif
