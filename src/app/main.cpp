// orvel2003 [--database DIR]
#include "app/DefaultFrm.h"
#include "app/EnkeleInstantie.h"
#include "app/HelpViewer.h"
#include "app/IndexFrm.h"
#include "app/MainFrm.h"
#include "app/NieuweDatabaseMap.h"
#include "app/SplashFrm.h"
#include "app/StopSignaal.h"
#include "backup/BackUpFrm.h"
#include "backup/HerstelWissel.h"
#include "controls/MeldingDialoog.h"
#include "controls/OrvelApplication.h"
#include "data/DataModFrm.h"
#include "data/FolderLock.h"
#include "data/QtVertaling.h"
#include "output/ReportsFrm.h"
#include "participants/CursistFrm.h"
#include "planning/KalenderFrm.h"
#include "views/KolomProfiel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDialog>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

// The program's icons live in the app library's resources.
static void LaadIconen() { Q_INIT_RESOURCE(Orvel); }

namespace {
// Without a screen nobody can answer a dialog: messages then go to the console.
void ZetMeldingen()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        ZetMeldingBackEnd(std::make_shared<ConsoleMeldingen>());
    else
        ZetMeldingBackEnd(std::make_shared<MeldingDialoog>());
}

QString DatabaseMapOptie(const QApplication& app)
{
    QCommandLineParser opties;
    opties.setApplicationDescription(QStringLiteral("Orvel, administratie van reanimatie- en AED-cursussen"));
    opties.addHelpOption();
    opties.addVersionOption();
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("De map van de database."),
                                      QStringLiteral("MAP"));
    opties.addOption(database);
    opties.process(app);
    return opties.value(database);
}

// Answered before a window system is needed, so that a bare terminal or a
// package check can ask for the version.
bool VraagtVersie(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0)
            return true;
    return false;
}

QIcon ProgrammaIcoon()
{
    LaadIconen();
    QIcon icoon;
    for (int maat : {16, 32, 48, 64, 128, 256})
        icoon.addFile(QStringLiteral(":/icons/orvel-%1.png").arg(maat), QSize(maat, maat));
    return icoon;
}

// A stop from the system leaves open dialogs unanswered and ends the program
// as after its last window; what was saved stays saved, the folder is freed.
void StopOpVerzoek()
{
    for (QWidget* venster : QApplication::topLevelWidgets())
        if (auto* dialoog = qobject_cast<QDialog*>(venster); dialoog && dialoog->isVisible())
            dialoog->reject();
    QCoreApplication::exit(0);
}
}  // namespace

int main(int argc, char** argv)
{
    if (VraagtVersie(argc, argv)) {
        std::printf("orvel2003 %s\n", ORVEL_VERSION);
        return 0;
    }
    OrvelApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Talvinord"));
    QApplication::setApplicationName(QStringLiteral("Orvel2003"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvel"));
    QApplication::setApplicationVersion(QStringLiteral(ORVEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("nl.talvinord.Orvel2003"));
    QApplication::setWindowIcon(ProgrammaIcoon());
    StopSignaal::Installeer(StopOpVerzoek);
    LaadQtVertaling();
    ZetMeldingen();
    const QString databaseMap = DatabaseMapOptie(app);

    EnkeleInstantie instantie;
    if (instantie.AndereLoopt()) {
        WaarschuwingsPiep();
        ToonMelding(mInformatie, QStringLiteral("Orvel is al gestart!"));
        instantie.StuurHerstel();
        return 0;
    }

    // One program per database folder, held until the program ends; an
    // interrupted restore is settled before anything is opened.
    FolderLock databaseSlot;
    if (!NeemDatabaseMap(GeefAliasMap(databaseMap), databaseSlot))
        return 1;

    // The program ends with its main window, not with the last window open.
    QApplication::setQuitOnLastWindowClosed(false);
    Help::InstalleerF1();

    // The long-lived windows are created in a fixed order, the splash gauge
    // advancing between them (it never passes 100):
    //  1. +20, the main window; +20 (the course-times window is made afresh
    //     each time its button is pressed, so none waits idle from the start)
    //  2. the data module, which opens the database; +20
    //  3. the participant window; +20
    //  4. the report data provider; +20
    //  5. only when the database opened: +20, the settings window (it reads
    //     the settings); +20, the calendar; +20
    //  6. gauge full, splash freed
    //  7. only when the database opened: the main window is shown and the
    //     message loop runs until it closes.
    auto splash = std::make_unique<TSplashFrm>();
    splash->show();
    splash->Stap(0);

    // The one data module, passed to every window and helper. It exists
    // before the windows that hold it and opens the database at its step;
    // freed in reverse, so the windows go before it.
    TDataModFrm dataModFrm(TDataModFrm::NietOpenen{}, databaseMap);
    std::unique_ptr<TMainFrm> mainFrm;
    std::unique_ptr<TCursistFrm> cursistFrm;
    std::unique_ptr<TReportsFrm> reportsFrm;
    std::unique_ptr<TDefaultFrm> defaultFrm;
    std::unique_ptr<TKalenderFrm> kalenderFrm;

    splash->Stap(20);
    mainFrm = std::make_unique<TMainFrm>(dataModFrm);
    QObject::connect(mainFrm.get(), &TMainFrm::Gesloten, &app, &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(&instantie, &EnkeleInstantie::HerstelGevraagd, mainFrm.get(), &TMainFrm::Herstel);
    splash->Stap(20);
    // A start that cannot open the database may restore a backup; the
    // program ends afterwards either way.
    dataModFrm.OpenHerstel = [s = splash.get(), &dataModFrm] {
        s->hide();
        TBackUpFrm herstel(dataModFrm, TBackUpFrm::Inlezen, true);
        herstel.exec();
    };
    // The re-index offered when the database could not be opened.
    dataModFrm.OpenIndexeren = [s = splash.get(), &dataModFrm] {
        s->hide();
        TIndexFrm indexeren(dataModFrm);
        indexeren.exec();
    };
    // A database made new at this start gets the shipped layouts, the course
    // times and the sample and empty archives beside it, and the letter
    // profile, so that letter mode starts without a complaint.
    const bool nieuweDatabase = !QFileInfo::exists(
        VindBestandInMap(GeefAliasMap(databaseMap), QStringLiteral("orvel2003.db")));
    dataModFrm.DataModuleCreate();
    if (nieuweDatabase && !dataModFrm.DatabaseFout) {
        RichNieuweDatabaseMapIn(dataModFrm.storage().map());
        MaakProfielAlsOntbreekt(*dataModFrm.ProfielDB, BriefProfielNaam);
    }
    QObject::connect(&dataModFrm, &TDataModFrm::menuTellingen, mainFrm.get(),
                     qOverload<const MenuTellingen&, bool>(&TMainFrm::SetMenu));
    splash->Stap(20);
    cursistFrm = std::make_unique<TCursistFrm>(dataModFrm, mainFrm.get());
    mainFrm->ToonCursistVenster = [venster = cursistFrm.get()](bool nieuw) {
        if (nieuw)
            venster->NieuwGevraagd = true;
        venster->exec();
    };
    splash->Stap(20);
    reportsFrm = std::make_unique<TReportsFrm>(dataModFrm);
    mainFrm->ReportsFrm = reportsFrm.get();
    splash->Stap(20);

    const bool databaseOpen = !dataModFrm.DatabaseFout;
    if (databaseOpen) {
        splash->Stap(20);
        TMainFrm* hoofd = mainFrm.get();
        defaultFrm = std::make_unique<TDefaultFrm>(
            TDefaultFrm::Koppelingen{[hoofd](bool aan) { hoofd->ZetHelpTekst(aan); },
                                     [&dataModFrm] { dataModFrm.BegeleidingDB->emptyTable(); }, dataModFrm.AcceptenDB,
                                     dataModFrm.LijstQ},
            hoofd);
        mainFrm->DefaultFrm = defaultFrm.get();
        dataModFrm.BegeleidingAan = [instellingen = defaultFrm.get()] {
            return instellingen->ECursusBegeleiding->isChecked();
        };
        splash->Stap(20);
        kalenderFrm = std::make_unique<TKalenderFrm>([hoofd] { hoofd->Herstel(); });
        mainFrm->KalenderFrm = kalenderFrm.get();
        splash->Stap(20);
    }
    splash->Vol();
    splash.reset();
    if (!databaseOpen)
        return 1;

    mainFrm->show();
    // For timing the start from outside: one line once the shown window's
    // first events are handled (the start benchmark waits for it).
    if (qEnvironmentVariableIsSet("ORVEL_MELD_START"))
        QTimer::singleShot(0, [] {
            std::fputs("hoofdvenster getoond\n", stdout);
            std::fflush(stdout);
        });
    return app.exec();
}
