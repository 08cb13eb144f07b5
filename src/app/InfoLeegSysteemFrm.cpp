#include "InfoLeegSysteemFrm.h"

#include "OrvelInfo.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TInfoLeegSysteemFrm::TInfoLeegSysteemFrm(const QString& databaseMap, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InfoLeegSysteemFrm"));
    setWindowTitle(QStringLiteral("Info leeg systeem"));
    resize(620, 520);

    auto* kop = new QWidget(this);
    kop->setObjectName(QStringLiteral("KopPanel"));
    Panel1 = MaakControl<QLabel>(kop, QStringLiteral("Panel1"), QStringLiteral("INFORMATIE "));
    QFont vet = Panel1->font();
    vet.setBold(true);
    vet.setPointSize(vet.pointSize() + 4);
    Panel1->setFont(vet);
    ExitBtn = MaakKnop(kop, QStringLiteral("ExitBtn"), QStringLiteral("Sluiten"), QStringLiteral("Sluiten"));
    connect(ExitBtn, &QPushButton::clicked, this, &QDialog::accept);
    auto* kopLayout = new QHBoxLayout(kop);
    kopLayout->addWidget(Panel1, 1);
    kopLayout->addWidget(ExitBtn);

    Memo1 = MaakControl<QPlainTextEdit>(this, QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(InfoTekst(databaseMap));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(kop);
    layout->addWidget(Memo1, 1);
}

void TInfoLeegSysteemFrm::showEvent(QShowEvent* event)
{
    SetColor(this);
    // The text lies on the window's own colour, not on an edit field's white.
    Memo1->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background-color: %1; border: none; }").arg(HuidigeKleuren().hoofd.name()));
    ExitBtn->setFocus();
    QDialog::showEvent(event);
}

QString TInfoLeegSysteemFrm::InfoTekst(const QString& databaseMap)
{
    return QStringLiteral(
               "Welkom bij Orvel!\n"
               "\n"
               "Als u dit scherm te zien krijgt is uw database helemaal leeg.\n"
               "\n"
               "EERST RONDKIJKEN?\n"
               "In de databasemap van Orvel staat een voorbeelddatabase met willekeurige gegevens: "
               "\"Orvel_Voorbeeld.bck\". Lees die in met de knop \"Back-Up inlezen\" op het tabblad "
               "\"Systeem Onderhoud\" en kies in de databasemap het bestand Orvel_Voorbeeld.bck. U ziet dan een "
               "organisatie met cursisten, cursussen, lokaties, instructeurs en betalingen.\n"
               "In dezelfde map staat ook een lege database: \"Orvel_LeegSysteem.bck\". Kent u het systeem en wilt "
               "u met uw eigen gegevens beginnen, lees dan die lege database weer in.\n"
               "\n"
               "De databasemap is: %1\n"
               "\n"
               "BEGINNEN ZONDER EERDERE GEGEVENS\n"
               "1. Maak minstens een lokatie aan: tabblad \"Onderhoud Diversen\", knop \"Lokaties\".\n"
               "2. Voer de cursisten in met de knop \"Nieuwe cursist\" op de werkbalk en schrijf ze in voor "
               "een cursus.\n"
               "3. Lees in de help het hoofdstuk \"Snel op gang met Orvel\" (tabblad \"Help\", knop "
               "\"Uitgebreide help\", of druk op F1).\n"
               "\n"
               "GEGEVENS UIT DE VORIGE VERSIE\n"
               "Back-ups van de vorige versie van het programma kan Orvel niet rechtstreeks inlezen. Stuur zo'n "
               "back-up per e-mail naar Talvinord; wij zetten hem om en sturen hem terug. Lees de omgezette back-up "
               "daarna in met \"Back-Up inlezen\" op het tabblad \"Systeem Onderhoud\".\n"
               "\n"
               "Talvinord\n"
               "E-mail: %2\n"
               "Website: %3\n")
        .arg(QDir::toNativeSeparators(databaseMap), OrvelSupportEmail(), OrvelWebAdres());
}
