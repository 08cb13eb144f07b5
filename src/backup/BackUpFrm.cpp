#include "BackUpFrm.h"

#include "BackUpWerk.h"
#include "HerstelWissel.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/FolderLock.h"
#include "data/ToonMelding.h"
#include "data/ZolDatum.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>

namespace {
const QString kDiskette = QStringLiteral("A:\\");
constexpr qint64 kDisketteGrootte = 1400000;
const QString kFoutVoorvoegsel = QStringLiteral("FOUT opgetreden bij Back-up actie!\rMelding: ");
const QString kFilters = QStringLiteral("Orvel Backup files (Orvel_*.bck);;SYSTEEM RESERVEKOPIE (OrvelSysBU_*.bck)");
const QString kBackUpFilter = QStringLiteral("Orvel Backup files (Orvel_*.bck)");
const QString kReserveFilter = QStringLiteral("SYSTEEM RESERVEKOPIE (OrvelSysBU_*.bck)");
const QString kMapAangepast = QStringLiteral("Map is aangepast, klik op startknop linksboven.");

bool MapBestaat(const QString& map)
{
    // A relative name would be looked up beside the program, never meant.
    return QDir::isAbsolutePath(map) && QFileInfo(map).isDir();
}
}  // namespace

TBackUpFrm::TBackUpFrm(TDataModFrm& dm, Modus modus, bool opstartFout, Koppelingen koppelingen, QWidget* parent)
    : QDialog(parent), m_dm(dm), m_modus(opstartFout ? Inlezen : modus), m_opstartFout(opstartFout),
      m_koppelingen(std::move(koppelingen))
{
    setObjectName(QStringLiteral("BackUpFrm"));
    setWindowTitle(QStringLiteral("BackUp"));
    if (!m_koppelingen.nu)
        m_koppelingen.nu = [] { return QDateTime::currentDateTime(); };
    if (!m_koppelingen.kiesMap)
        m_koppelingen.kiesMap = [this](const QString& start) {
            return QFileDialog::getExistingDirectory(this, QStringLiteral("Kies de map voor de Back-Up"), start);
        };
    if (!m_koppelingen.kiesBestand)
        m_koppelingen.kiesBestand = [this](const QString& start, const QString& filters, const QString& gekozen) {
            QString filter = gekozen;
            return QFileDialog::getOpenFileName(this, QStringLiteral("Back-Up inlezen"), start, filters, &filter);
        };
    MaakControls();

    m_backup.BackupTitle = QStringLiteral("Orvel");
    m_backup.SetBackupMode(bmAll);
    m_backup.CompressionLevel = clFastest;
    m_backup.SaveFileID = false;
    m_backup.SetArchiveFlag = false;
    m_backup.RestoreMode = rmAll;
    // The names are chosen free; one taken meanwhile is never replaced.
    m_backup.ArchiefVervangen = false;
    m_backup.OnProgress = [this](const QString& bestand, int procent, bool&) { OnProgress(bestand, procent); };
    m_backup.OnError = [this](int, const QString& tekst) { m_fout = kFoutVoorvoegsel + tekst; };
}

void TBackUpFrm::MaakControls()
{
    Panel1 = MaakControl<QLabel>(this, QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setMinimumHeight(48);
    QFont groot = Panel1->font();
    groot.setPointSize(groot.pointSize() + 8);
    groot.setBold(true);
    Panel1->setFont(groot);

    StartBtn = MaakKnop(this, QStringLiteral("StartBtn"), QStringLiteral("&Start"));
    StartBtn->setMinimumSize(90, 48);
    BuLbl = MaakControl<QLabel>(this, QStringLiteral("BuLbl"));
    BuLbl->setToolTip(QStringLiteral("BackUp  in deze map"));
    BuLbl->setFrameShape(QFrame::StyledPanel);
    BuLbl->setMinimumWidth(220);
    MapBtn = MaakKnop(this, QStringLiteral("MapBtn"), QStringLiteral("Andere map"),
                      QStringLiteral("Stel andere standaard BackUp map in"));
    ABtn = MaakKnop(this, QStringLiteral("ABtn"), QStringLiteral("A:\\"),
                    QStringLiteral("Standaard de backup naar A schrijven"));
    BackUpWBtn = MaakKnop(this, QStringLiteral("BackUpWBtn"), QStringLiteral("Waarschuwing"),
                          QStringLiteral("Intellen van Backup waarschuwing"));
    GetSysBtn = MaakKnop(this, QStringLiteral("GetSysBtn"), QStringLiteral("Haal RESERVEKOPIE"),
                         QStringLiteral("Haalt de SYSTEEM reservekopie op"));
    DatumLbl = MaakControl<QLabel>(this, QStringLiteral("DatumLbl"));
    DatumLbl->setFrameShape(QFrame::StyledPanel);
    DatumLbl->setMinimumWidth(90);
    Label1 = MaakControl<QLabel>(this, QStringLiteral("Label1"), QStringLiteral("Geen bestanden gedaan"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    auto* mapRij = new QHBoxLayout;
    mapRij->addWidget(BuLbl, 1);
    mapRij->addWidget(MapBtn);
    mapRij->addWidget(ABtn);
    mapRij->addWidget(BackUpWBtn);
    auto* datumRij = new QHBoxLayout;
    datumRij->addWidget(MaakControl<QLabel>(this, QStringLiteral("DatumTekst"), QStringLiteral("Datum laatste backUp")));
    datumRij->addWidget(DatumLbl);
    datumRij->addStretch(1);
    datumRij->addWidget(GetSysBtn);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Panel1, 0, 0, 1, 2);
    layout->addWidget(StartBtn, 1, 0, 2, 1);
    layout->addLayout(mapRij, 1, 1);
    layout->addLayout(datumRij, 2, 1);
    layout->addWidget(Label1, 3, 0, 1, 2);
    layout->addWidget(ProgressBar1, 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    connect(StartBtn, &QPushButton::clicked, this, &TBackUpFrm::StartBtnClick);
    connect(MapBtn, &QPushButton::clicked, this, &TBackUpFrm::MapBtnClick);
    connect(ABtn, &QPushButton::clicked, this, &TBackUpFrm::ABtnClick);
    connect(GetSysBtn, &QPushButton::clicked, this, &TBackUpFrm::GetSysBtnClick);
    connect(BackUpWBtn, &QPushButton::clicked, this, &TBackUpFrm::BackUpWBtnClick);
}

QString TBackUpFrm::DatabaseMap() const { return MetScheidingsteken(m_dm.GeefDatabaseMap()); }

void TBackUpFrm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TBackUpFrm::FormShow()
{
    m_reserveKopieHalen = false;
    GetSysBtn->setEnabled(false);
    if (!m_opstartFout)
        SetColor(this);

    // The mode panel keeps its own colours whatever the scheme.
    if (m_modus == Maken) {
        Panel1->setText(QStringLiteral("BACKUP MAKEN"));
        ZetStand(Panel1, Stand::Melding);
    } else {
        Panel1->setText(QStringLiteral("BACKUP INLEZEN"));
        ZetStand(Panel1, Stand::Alarm);
        GetSysBtn->setEnabled(HeeftReserveKopie(DatabaseMap()));
    }

    QString map = m_register.LeesWaarde(QStringLiteral("BackUpMap"));
    if (Ontbrekend(map)) {
        map = kDiskette;
        m_register.SchrijfWaarde(QStringLiteral("BackUpMap"), map);
    }
    m_backUpMap = map;
    BuLbl->setText(map);
    BuLbl->setToolTip(map);
    const QString datum = m_register.LeesWaarde(QStringLiteral("BackUpDate"));
    DatumLbl->setText(Ontbrekend(datum) ? QString() : datum);

    m_maskers = BackUpMaskers(DatabaseMap());

    if (m_opstartFout && GetSysBtn->isEnabled())
        ToonMelding(mInformatie,
                    QStringLiteral("U kunt ook een eerder gemaakte SYSTEEM back-up inlezen!\rKlik hiervoor op de knop "
                                   "\"Haal RESERVEKOPIE\""),
                    Knoppen::OK, true);
    StartBtn->setEnabled(true);
}

void TBackUpFrm::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        FormHide();
    QDialog::hideEvent(event);
}

void TBackUpFrm::FormHide()
{
    m_maskers.clear();
    if (m_opstartFout)
        return;
    m_dm.OpenDatabases();
    if (m_koppelingen.leesInstellingen)
        m_koppelingen.leesInstellingen();
}

void TBackUpFrm::reject()
{
    // Closing while the archive is written would open the database under it.
    if (!m_bezig)
        QDialog::reject();
}

void TBackUpFrm::closeEvent(QCloseEvent* event)
{
    if (m_bezig)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TBackUpFrm::ZetKnoppen(bool aan)
{
    for (QPushButton* knop : {StartBtn, MapBtn, BackUpWBtn})
        knop->setEnabled(aan);
}

void TBackUpFrm::StartBtnClick()
{
    ZetKnoppen(false);
    ProgressBar1->setValue(0);
    m_fout.clear();
    ReserveKopie.clear();
    Afloop afloop = Afloop::Klaar;
    m_bezig = true;
    try {
        m_dm.CloseDatabases();
        std::unique_ptr<BackUpInstellingen> instellingen;
        if (!m_opstartFout)
            instellingen = std::make_unique<BackUpInstellingen>(
                DatabaseMap(), m_koppelingen.splitScherm && m_koppelingen.splitScherm(), m_register);
        m_backup.LeesVan = instellingen ? instellingen->vervangers() : QHash<QString, QString>();
        afloop = m_modus == Maken ? MaakBackUp() : LeesBackUp();
    } catch (const BackUpFout& fout) {
        m_fout = kFoutVoorvoegsel + fout.tekst();
        MeldFout();
    } catch (const std::exception& fout) {
        // Whatever went wrong, the window must stay closable.
        m_fout = kFoutVoorvoegsel + QString::fromUtf8(fout.what());
        MeldFout();
    }
    m_backup.LeesVan.clear();
    m_bezig = false;
    m_reserveKopieHalen = false;
    switch (afloop) {
    case Afloop::Klaar:
        ZetKnoppen(true);
        ProgressBar1->setValue(0);
        accept();
        break;
    case Afloop::Terug: ZetKnoppen(true); break;
    case Afloop::Gestopt: break;
    }
}

TBackUpFrm::Afloop TBackUpFrm::MaakBackUp()
{
    QString map = m_backUpMap.isEmpty() ? QStringLiteral("LEEG") : m_backUpMap;
    if (!MapBestaat(map)) {
        ToonMelding(mFout, QStringLiteral("Opgegeven map : ") + map + QStringLiteral(" NIET gevonden!"), Knoppen::OK,
                    true);
        QString gekozen;
        do {
            gekozen = m_koppelingen.kiesMap(QDir::homePath());
            if (gekozen.isEmpty())
                return Afloop::Gestopt;
        } while (!MapBestaat(gekozen));
        map = MetScheidingsteken(gekozen);
        ZetBackUpMap(map);
    }
    if (map.contains(kDiskette)) {
        if (!WachtOpDiskette(map))
            return Afloop::Gestopt;
        m_backup.MaxSize = kDisketteGrootte;
    } else {
        m_backup.MaxSize = 0;
    }

    const QDateTime start = m_koppelingen.nu();
    bool gelukt = false;
    {
        WachtCursor wacht;
        gelukt = m_backup.Backup(m_maskers, BackUpArchiefNaam(map, start));
    }
    ProgressBar1->setValue(100);
    if (gelukt) {
        const QString vandaag = DatumNaarTekst(start.date());
        DatumLbl->setText(vandaag);
        if (m_register.SchrijfWaarde(QStringLiteral("BackUpDate"), vandaag))
            ToonMelding(mInformatie, QStringLiteral("Back-Up is gemaakt"), Knoppen::OK, true);
        else
            ToonMelding(mWaarschuwing,
                        QStringLiteral("Back-Up is gemaakt\rMaar de datum van deze Back-Up kon NIET worden "
                                       "opgeslagen in de instellingen."),
                        Knoppen::OK, true);
    } else {
        MeldFout();
        ToonMelding(mInformatie, QStringLiteral("Back-Up is mislukt of afgebroken."), Knoppen::OK, true);
    }
    return Afloop::Klaar;
}

bool TBackUpFrm::WachtOpDiskette(const QString& map)
{
    ToonMelding(mInformatie, QStringLiteral("Doe een LEGE GEFORMATTERDE diskette in station A:"), Knoppen::OK, true);
    // The repeated prompt gets a Cancel button: that is how the wait ends.
    while (QStorageInfo(map).bytesAvailable() < kDisketteGrootte) {
        if (ToonMelding(mInformatie, QStringLiteral("Disk te klein of niet leeg!"), Knoppen::OKAnnuleren, true)
            != Antwoord::OK)
            return false;
    }
    return true;
}

TBackUpFrm::Afloop TBackUpFrm::LeesBackUp()
{
    if (!m_opstartFout && !m_reserveKopieHalen
        && ToonMelding(mWaarschuwing,
                       QStringLiteral("<<<< LET OP >>>>\rALLE bestanden worden VERVANGEN door de BackUP!\rWeet u het "
                                      "echt zeker?"),
                       Knoppen::OKAnnuleren, true)
               != Antwoord::OK)
        return Afloop::Terug;

    const QString archief = m_reserveKopieHalen ? m_koppelingen.kiesBestand(DatabaseMap(), kFilters, kReserveFilter)
                                                : m_koppelingen.kiesBestand(m_backUpMap, kFilters, kBackUpFilter);
    if (archief.isEmpty())
        return Afloop::Terug;
    if (!QFileInfo(archief).isFile()) {
        ToonMelding(mFout, QStringLiteral("BackUpbestand bestaat NIET!!"), Knoppen::OK, true);
        return Afloop::Gestopt;
    }

    // Held for the safety copy and the restore: no other program may work in
    // the folder meanwhile, and none may hold it now.
    FolderLock slot;
    if (slot.neem(DatabaseMap()) == FolderLock::Uitkomst::ElderGehouden)
        throw BackUpFout(MapInGebruikTekst(DatabaseMap()));
    if (!m_opstartFout && ReserveKopieNodig(archief) && !MaakReserveKopie())
        return Afloop::Klaar;

    m_backup.MaxSize = 0;
    ProgressBar1->setValue(0);
    HerstelUitkomst uitkomst = HerstelUitkomst::NietIngelezen;
    {
        WachtCursor wacht;
        HerstelOpties opties{m_maskers, true, &m_register};
        uitkomst = HerstelVeilig(m_backup, archief, DatabaseMap(), opties);
    }
    if (uitkomst == HerstelUitkomst::NietIngelezen) {
        if (m_fout.isEmpty())
            ToonMelding(mInformatie, QStringLiteral("Back-Up is mislukt of afgebroken."), Knoppen::OK, true);
        else
            MeldFout();
        ToonMelding(mInformatie, QStringLiteral("De Back-Up is NIET ingelezen.\rUw vorige bestanden zijn ongewijzigd."),
                    Knoppen::OK, true);
        return Afloop::Klaar;
    }

    if (uitkomst == HerstelUitkomst::InstellingenMisten)
        ToonMelding(mFout,
                    QStringLiteral("Kan standaardinstellingen helaas NIET automatisch herstellen!\rU dient dit zelf "
                                   "(opnieuw) te doen."),
                    Knoppen::OK, true);
    ProgressBar1->setValue(100);
    if (ReserveKopie.isEmpty())
        ToonMelding(mInformatie, QStringLiteral("Back-Up is ingelezen."), Knoppen::OK, true);
    else
        ToonMelding(
            mInformatie,
            QStringLiteral("Back-Up is ingelezen.\rEr is een reservekopie gemaakt van uw vorige bestanden.\rBestand: ")
                + QDir::toNativeSeparators(ReserveKopie) + QStringLiteral("\rNoteer deze naam als u problemen verwacht."),
            Knoppen::OK, true);
    const QString map = m_register.LeesWaarde(QStringLiteral("BackUpMap"));
    m_backUpMap = Ontbrekend(map) ? kDiskette : map;
    BuLbl->setText(m_backUpMap);
    BuLbl->setToolTip(m_backUpMap);
    return Afloop::Klaar;
}

bool TBackUpFrm::MaakReserveKopie()
{
    const QString naam = ReserveKopieNaam(DatabaseMap(), m_koppelingen.nu());
    m_backup.MaxSize = 0;
    bool gelukt = false;
    {
        WachtCursor wacht;
        gelukt = m_backup.Backup(m_maskers, naam);
    }
    // Without its safety copy the current data is not replaced.
    if (!gelukt) {
        if (m_fout.isEmpty())
            ToonMelding(mInformatie, QStringLiteral("Back-Up is mislukt of afgebroken."), Knoppen::OK, true);
        else
            MeldFout();
        return false;
    }
    ReserveKopie = naam;
    return true;
}

void TBackUpFrm::MeldFout() { ToonMelding(mFout, m_fout, Knoppen::OK, true); }

void TBackUpFrm::OnProgress(const QString& bestand, int procent)
{
    if (procent < 99)
        ProgressBar1->setValue(procent);
    Label1->setText(QFileInfo(bestand).fileName());
}

void TBackUpFrm::ZetBackUpMap(const QString& map)
{
    m_backUpMap = map;
    m_register.SchrijfWaarde(QStringLiteral("BackUpMap"), map);
    BuLbl->setText(map);
    BuLbl->setToolTip(map);
}

void TBackUpFrm::MapBtnClick()
{
    const QString gekozen = m_koppelingen.kiesMap(MapBestaat(m_backUpMap) ? m_backUpMap : QDir::homePath());
    if (!MapBestaat(gekozen))
        return;
    ZetBackUpMap(MetScheidingsteken(gekozen));
    ToonMelding(mInformatie, kMapAangepast, Knoppen::OK, true);
}

void TBackUpFrm::ABtnClick()
{
    if (ToonMelding(mVraag, QStringLiteral("Standaard de Back-Up naar de A-drive schrijven?"), Knoppen::JaNee, true)
        != Antwoord::Ja)
        return;
    ZetBackUpMap(kDiskette);
    ToonMelding(mInformatie, kMapAangepast, Knoppen::OK, true);
}

void TBackUpFrm::GetSysBtnClick()
{
    m_reserveKopieHalen = true;
    StartBtnClick();
}

void TBackUpFrm::BackUpWBtnClick()
{
    if (m_koppelingen.toonInstellingen)
        m_koppelingen.toonInstellingen();
}
