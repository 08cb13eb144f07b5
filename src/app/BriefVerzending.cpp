#include "BriefVerzending.h"

#include "data/DataModFrm.h"
#include "data/Storage.h"
#include "output/ReportsFrm.h"

#include <QFileInfo>
#include <QLabel>
#include <QSqlQuery>

BriefVerzending::BriefVerzending(TDataModFrm& dm, TReportsFrm& rapporten, QWidget* venster, QLabel* statusBalk,
                                 const QString& layout)
    : m_dm(dm), m_rapporten(rapporten), m_venster(venster), m_statusBalk(statusBalk), m_layout(layout)
{
    QSqlQuery q = dm.storage().exec(
        QStringLiteral("select CursistNr, Voorl, Tussenv, Naam from hoofd where print=true order by naam"));
    while (q.next())
        m_rijen.append({q.value(0).toString(),
                        VolledigeNaam({q.value(1).toString(), q.value(2).toString(), q.value(3).toString()}), true,
                        AfdrukStatus::Wacht});
}

bool BriefVerzending::Verzend()
{
    const std::unique_ptr<AfdrukEMail> zender = MaakAfdrukEMail(*this);
    zender->Start();
    const bool doorgelopen = zender->SendViaEMail(spBriefModus);
    // A one-off run: the session ends, a dial-up connection is hung up.
    zender->Afbreken();
    return doorgelopen;
}

QString BriefVerzending::Verslag() const
{
    int verzonden = 0;
    QStringList niet;
    for (const AfdrukRij& rij : m_rijen) {
        if (rij.Status == AfdrukStatus::Verzonden)
            ++verzonden;
        else
            niet << rij.Sleutel + QLatin1Char(' ') + rij.Naam + QStringLiteral(": ") + rij.Status;
    }
    QString tekst = QStringLiteral("Brieven verzonden: %1 van %2.").arg(verzonden).arg(m_rijen.size());
    if (!niet.isEmpty())
        tekst += QStringLiteral("\rNiet verzonden:\r") + niet.join(QLatin1Char('\r'));
    return tekst;
}

int BriefVerzending::AantalRijen(int) const { return int(m_rijen.size()); }

AfdrukRij BriefVerzending::Rij(int, int index) const { return m_rijen.value(index); }

void BriefVerzending::ZetStatus(int, int index, const QString& status)
{
    if (index < 0 || index >= m_rijen.size())
        return;
    QString& huidig = m_rijen[index].Status;
    if (!AfdrukStatus::IsFout(huidig))
        huidig = status;
}

AfdrukSelectie& BriefVerzending::Selectie() { return m_rapporten.Selectie; }

// The subject names the letter: "Algemeen" for Rap_BriefMode_Algemeen.frf.
QString BriefVerzending::CursusLblTekst() const
{
    QString naam = QFileInfo(m_layout).completeBaseName();
    const QString familie = QStringLiteral("Rap_BriefMode_");
    if (naam.startsWith(familie, Qt::CaseInsensitive))
        naam = naam.mid(familie.size());
    return naam;
}

void BriefVerzending::ToonStatusBalk(const QString& tekst)
{
    if (m_statusBalk)
        m_statusBalk->setText(tekst);
}
