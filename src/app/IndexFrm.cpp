#include "IndexFrm.h"

#include "OrvelInfo.h"
#include "backup/BackUpWerk.h"
#include "controls/KleurSchema.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/DatabaseError.h"
#include "data/FolderLock.h"
#include "data/Schema.h"
#include "data/Storage.h"
#include "data/ToonMelding.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <optional>

namespace {
// A failure while building: the table of the definition being built and
// the error.
struct IndexFout {
    QString tabel;
    QString tekst;
};

QString FoutTekst(const std::exception& fout)
{
    const auto* db = dynamic_cast<const DatabaseError*>(&fout);
    return db ? db->tekst() : QString::fromUtf8(fout.what());
}

// What the integrity check found, in words the office can pass on.
QString BeschadigingTekst(const QList<Storage::Beschadiging>& gevonden)
{
    QStringList tabellen;
    for (const Storage::Beschadiging& b : gevonden)
        if (!b.tabel.isEmpty() && !tabellen.contains(b.tabel))
            tabellen << b.tabel;
    const int aantal = int(gevonden.size());
    QString tekst = QStringLiteral("De controle van de database vond %1 %2")
                        .arg(aantal)
                        .arg(aantal == 1 ? QStringLiteral("beschadiging") : QStringLiteral("beschadigingen"));
    if (!tabellen.isEmpty())
        tekst += QStringLiteral(" in ")
                 + (tabellen.size() == 1 ? QStringLiteral("tabel ") : QStringLiteral("de tabellen "))
                 + tabellen.join(QStringLiteral(", "));
    tekst += QStringLiteral(
                 ".\rNieuwe indexen herstellen beschadigde gegevens niet: lees een Back-Up in om ze terug "
                 "te halen.\rSchrijf voor de helpdesk deze melding op: ")
             + gevonden.first().melding;
    if (aantal > 1)
        tekst += QStringLiteral(" (en %1 meer)").arg(aantal - 1);
    return tekst;
}

const QString GeenBeschadiging = QStringLiteral("De controle van de database vond geen beschadigingen.");
}  // namespace

TIndexFrm::TIndexFrm(TDataModFrm& dm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm)
{
    setObjectName(QStringLiteral("IndexFrm"));
    setWindowTitle(QStringLiteral("Indexeren"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(OrvelPlaatje(300, 90));
    Label1 = new QLabel(QStringLiteral("Totaal"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    StapLbl = new QLabel(this);
    StapLbl->setObjectName(QStringLiteral("StapLbl"));
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 1, 2, Qt::AlignHCenter);
    layout->addWidget(Label1, 1, 0);
    layout->addWidget(ProgressBar2, 1, 1);
    layout->addWidget(StapLbl, 2, 0, 1, 2);
    layout->addWidget(ProgressBar1, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TIndexFrm::Timer1Timer);
}

void TIndexFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TIndexFrm::hideEvent(QHideEvent* event)
{
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TIndexFrm::FormShow()
{
    // A start that failed has no colours of its own to trust yet.
    if (m_dm.DatabaseBruikbaar)
        SetColor(this);
    else
        setPalette(QApplication::style()->standardPalette());
    ProgressBar1->setValue(0);
    ProgressBar2->setValue(0);
    Timer1->start();
}

void TIndexFrm::Timer1Timer()
{
    Timer1->stop();
    MaakIndexen();
}

void TIndexFrm::ZetStap(const QString& tekst, int procent)
{
    if (!tekst.isNull())
        StapLbl->setText(tekst);
    ProgressBar1->setValue(procent);
    // The bars move while the work runs in this loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TIndexFrm::MaakIndexen()
{
    const QList<IndexVerwijzing> definities = Schema::indexen();
    std::optional<IndexFout> fout;
    QString beschadigd;
    bool geweigerd = false;
    {
        WachtCursor wacht;
        m_dm.CloseDatabases();
        ProgressBar1->setValue(0);
        ProgressBar2->setRange(0, int(definities.size()) + 1);  // and the check at the end
        ProgressBar2->setValue(0);

        const QString map = m_dm.GeefDatabaseMap();
        FolderLock slot;
        if (slot.neem(map) == FolderLock::Uitkomst::ElderGehouden) {
            geweigerd = true;
        } else {
            Storage storage;
            QString tabel = definities.first().tabel->naam;
            try {
                storage.open(map);
                VerwijderAlleIndexen(storage);
                for (const IndexVerwijzing& definitie : definities) {
                    tabel = definitie.tabel->naam;
                    MaakIndex(storage, definitie);
                    ProgressBar2->setValue(ProgressBar2->value() + 1);
                }
                for (const TabelDef& t : Schema::tabellen()) {
                    tabel = t.naam;
                    storage.maakVerwijderControle(t);
                }
                tabel = QString::fromLatin1(Storage::bestandsNaam);
                ZetStap(QStringLiteral("Controle van de database"), 0);
                const QList<Storage::Beschadiging> gevonden = storage.controleerIntegriteit();
                if (!gevonden.isEmpty())
                    beschadigd = BeschadigingTekst(gevonden);
                ZetStap({}, 100);
                ProgressBar2->setValue(ProgressBar2->maximum());
            } catch (const std::exception& e) {
                fout = IndexFout{tabel, FoutTekst(e)};
            }
        }
    }

    if (geweigerd)
        ToonMelding(mFout, MapInGebruikTekst(m_dm.GeefDatabaseMap()), Knoppen::OK, true);
    if (fout)
        ToonMelding(mFout,
                    QStringLiteral("Indexeren gaat fout! Database: ") + fout->tabel + QStringLiteral("\rFout is: ")
                        + fout->tekst + QStringLiteral("\rSchrijf de fout op en probeer evt. backup in te lezen."),
                    Knoppen::OK, true);
    if (!beschadigd.isEmpty())
        ToonMelding(mFout, beschadigd, Knoppen::OK, true);

    const bool gelukt = !geweigerd && !fout && beschadigd.isEmpty();
    if (!gelukt)
        ToonMelding(mFout, QStringLiteral("Indexeren is mislukt!"), Knoppen::OK, true);
    else if (m_dm.DatabaseFout)
        ToonMelding(mInformatie,
                    QStringLiteral("Orvel heeft nieuwe indexen gemaakt.\rProgramma stopt nu. U dient Orvel opnieuw te "
                                   "starten\r")
                        + GeenBeschadiging,
                    Knoppen::OK, true);
    else
        ToonMelding(mInformatie, QStringLiteral("Indexeren is klaar\r") + GeenBeschadiging, Knoppen::OK, false);

    m_dm.DatabaseBruikbaar = gelukt;
    done(gelukt ? QDialog::Accepted : QDialog::Rejected);
}

void TIndexFrm::VerwijderAlleIndexen(Storage& storage)
{
    // What stays behind is dropped again by the definition that builds it.
    try {
        storage.verwijderIndexen();
    } catch (const std::exception&) {
    }
}

void TIndexFrm::MaakIndex(Storage& storage, const IndexVerwijzing& definitie)
{
    const QString naam = definitie.index->naam.isEmpty() ? QStringLiteral("sleutel") : definitie.index->naam;
    ZetStap(definitie.tabel->naam + QStringLiteral(": ") + naam, 0);
    ZetStap({}, 10);
    ZetStap({}, 50);
    storage.maakIndex(*definitie.tabel, *definitie.index);
    ZetStap({}, 100);
}
