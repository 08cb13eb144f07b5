#pragma once
// The print centre on a test database: course 7 of CursusVoorbeeld with a
// call-up layout and a diploma, a phone list beside it, the shipped
// layouts in the database folder, print jobs into a PDF folder, and a fixed
// "today" before the course.
#include "CursusVoorbeeld.h"
#include "PdfWords.h"
#include "TemporarySettings.h"
#include "TestSupport.h"
#include "data/DataModFrm.h"
#include "output/AfdrukFrm.h"
#include "output/Printer.h"
#include "output/ReportsFrm.h"
#include "output/Voorbeeldrapporten.h"

#include "views/CursusBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

struct AfdrukVoorbeeld {
    TemporarySettings instellingen;
    TempDatabase db;
    QTemporaryDir uit;
    std::unique_ptr<TReportsFrm> rapporten;

    AfdrukVoorbeeld()
    {
        Storage& s = db.dm().storage();
        vulCursus(s);
        s.exec("update CursusProfiel set RapportNaam = 'Rap_Oproep.frf', DiplomaCode = 'EHBOD'");
        rij(s, "DiplomaData",
            {{"DiplomaCode", "EHBOD"}, {"BestandsNaam", "Rap_Diploma.frf"}, {"Reanimatiepartner", "Stichting Hartslag"}});
        // A phone list of one participant.
        rij(s, "Cursussen",
            {{"Datum", "2004-02-20 10:00:00"},
             {"Dag", 1},
             {"CursistNr", "000001"},
             {"CursusCode", "EHBO"},
             {"LokatieCode", "TELYST"},
             {"CursusID", 9},
             {"Print", false}});
        InstalleerVoorbeeldrapporten(db.map());
        db.dm().Nu = [] { return QDateTime(QDate(2004, 3, 1), QTime(9, 0)); };
        db.dm().BegeleidingAan = [] { return false; };
        PrintJob::setPdfFolder(uit.path());
        rapporten = std::make_unique<TReportsFrm>(db.dm());
    }
    ~AfdrukVoorbeeld() { PrintJob::setPdfFolder({}); }

    Storage& storage() { return db.dm().storage(); }

    // The print centre, shown, printing without preview, with a kind and a
    // course chosen.
    TAfdrukFrm& venster(int soort, const QString& cursus);
    std::unique_ptr<TAfdrukFrm> frm;

    QStringList pdfs() const
    {
        QStringList paden;
        for (const QString& naam : QDir(uit.path()).entryList({"*.pdf"}, QDir::Files, QDir::Time | QDir::Reversed))
            paden << uit.filePath(naam);
        return paden;
    }
    QString pdfTekst(const QString& pad) const
    {
        QStringList woorden;
        for (const PdfWord& w : readPdfWords(pad))
            woorden << w.text;
        return woorden.join(' ');
    }
};

inline void kiesSoort(TAfdrukFrm& frm, int soort)
{
    frm.RapKeuze->setCurrentIndex(soort);
    frm.RapKeuzeChange(soort);
}

inline QStringList knopTeksten(TAfdrukFrm& frm)
{
    QStringList teksten;
    for (QPushButton* knop : frm.CursusBar->Knoppen())
        teksten << knop->text();
    return teksten;
}

inline void kiesCursus(TAfdrukFrm& frm, const QString& tekst)
{
    for (QPushButton* knop : frm.CursusBar->Knoppen())
        if (knop->text() == tekst) {
            knop->click();
            return;
        }
    QFAIL(qPrintable("no course button " + tekst));
}

inline QStringList statussen(const QTreeWidget* lijst)
{
    QStringList s;
    for (int i = 0; i < lijst->topLevelItemCount(); ++i)
        s << TAfdrukFrm::StatusVan(lijst->topLevelItem(i));
    return s;
}

// Acts on the next modal window as soon as it is shown (a preview, a file
// dialog, a chooser), so that the code that opened it goes on.
inline void bijModaalVenster(std::function<void(QWidget*)> actie)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, actie] {
        if (QWidget* venster = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            actie(venster);
        }
    });
    timer->start();
}

inline TAfdrukFrm& AfdrukVoorbeeld::venster(int soort, const QString& cursus)
{
    frm = std::make_unique<TAfdrukFrm>(db.dm(), *rapporten);
    frm->show();
    frm->VbScherm->setChecked(false);
    kiesSoort(*frm, soort);
    kiesCursus(*frm, cursus);
    return *frm;
}
