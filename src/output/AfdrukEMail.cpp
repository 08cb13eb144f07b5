#include "AfdrukEMail.h"

#include "AfdrukSelectie.h"
#include "EMailZender.h"
#include "RasManager.h"

namespace {
// The sender on the print centre: the window's rows, course and status bar
// as the sender reads them.
class EMailKoppeling : public AfdrukEMail, public EMailVenster {
public:
    explicit EMailKoppeling(AfdrukVenster& venster)
        : m_venster(venster),
          m_zender(venster.DataModule(), venster.Rapporten(), *this, MaakRasDienst(), venster.Venster())
    {
    }

    void Start() override { m_zender.Start(); }
    bool SendViaEMail(int Soort) override { return m_zender.SendViaEMail(Soort); }
    void StopVerbindingsTimer() override { m_zender.StopConnectionTimer(); }
    void Afbreken() override { m_zender.Afbreken(); }

    int RijAantal(int soort) const override { return m_venster.AantalRijen(soort); }
    bool RijGekozen(int soort, int rij) const override { return m_venster.Rij(soort, rij).Aangevinkt; }
    QString RijSleutel(int soort, int rij) const override { return m_venster.Rij(soort, rij).Sleutel; }
    QString RijNaam(int soort, int rij) const override { return m_venster.Rij(soort, rij).Naam; }
    void ZetRijStatus(int soort, int rij, const QString& status) override { m_venster.ZetStatus(soort, rij, status); }
    QString CursusTekst() const override { return m_venster.CursusLblTekst(); }
    QString CursusCode() const override { return m_venster.Selectie().CursusCode; }
    int DagNummer() const override { return m_venster.Selectie().Dag.toInt(); }
    void ToonStatus(const QString& tekst) override { m_venster.ToonStatusBalk(tekst); }

private:
    AfdrukVenster& m_venster;
    TEMailZender m_zender;
};
}  // namespace

std::unique_ptr<AfdrukEMail> MaakAfdrukEMail(AfdrukVenster& venster)
{
    return std::make_unique<EMailKoppeling>(venster);
}
