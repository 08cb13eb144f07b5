#include "HistoryFrm.h"

#include "controls/Knop.h"
#include "controls/WachtCursor.h"
#include "data/DataModFrm.h"
#include "data/HistorieWerk.h"
#include "data/ToonMelding.h"
#include "data/Zoeken.h"
#include "views/DataActie.h"
#include "views/TabelGrid.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

THistoryFrm::THistoryFrm(TDataModFrm& dm, QWidget* parent) : TOnderhoudFrm(parent), m_dm(dm)
{
    setObjectName(QStringLiteral("HistoryFrm"));
    setWindowTitle(QStringLiteral("Verplaatsen ex-cursisten naar actueel bestand."));

    DBGrid1 = new TTabelGrid(*m_dm.HistorieDB, QStringLiteral("DBGrid1"), this);
    DBGrid1->ZetKolommen({QStringLiteral("CursistNr"), QStringLiteral("Naam"), QStringLiteral("Geslacht"),
                          QStringLiteral("Adres"), QStringLiteral("GebDatum")});
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    const int breedtes[] = {80, 220, 70, 240, 100};
    for (int k = 0; k < 5; ++k)
        DBGrid1->horizontalHeader()->resizeSection(k, breedtes[k]);

    ZoekVak = MaakControl<QLineEdit>(this, QStringLiteral("ZoekVak"), QStringLiteral("Naam of nummer"));
    // Entering the box empties it; the hint then says what to type.
    ZoekVak->setPlaceholderText(QStringLiteral("Typ een naam om te zoeken"));
    ZoekVak->installEventFilter(this);
    connect(ZoekVak, &QLineEdit::textChanged, this, &THistoryFrm::ZoekVakChange);

    MoveBtn = MaakKnop(this, QStringLiteral("MoveBtn"), QStringLiteral("&Plaats in actueel bestand"));
    VerwijderBtn = MaakKnop(this, QStringLiteral("VerwijderBtn"), QStringLiteral("&Verwijder"),
                            QStringLiteral("Verwijder definitief"));
    connect(MoveBtn, &QPushButton::clicked, this, &THistoryFrm::MoveBtnClick);
    connect(VerwijderBtn, &QPushButton::clicked, this, &THistoryFrm::VerwijderBtnClick);
    QToolButton* sluiten = MaakExitBtn(QStringLiteral("Sluiten"));
    sluiten->setText(QStringLiteral("&Sluiten"));
    sluiten->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(ZoekVak, 1);
    knoppen->addSpacing(12);
    knoppen->addWidget(MoveBtn);
    knoppen->addWidget(VerwijderBtn);
    knoppen->addStretch();
    knoppen->addWidget(sluiten);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(DBGrid1, 1);
    hoofd->addLayout(knoppen);
    resize(780, 460);
}

void THistoryFrm::FormShow()
{
    DataActie([this] {
        m_dm.HistorieDB->setIndexName({});
        m_dm.HistorieDB->first();
    });
    ZetKnoppen(false);
    DBGrid1->setFocus();
}

void THistoryFrm::FormHide()
{
    DataActie([this] { m_dm.HistorieDB->setIndexName({}); });
}

bool THistoryFrm::eventFilter(QObject* object, QEvent* event)
{
    if (object == ZoekVak) {
        // Signals stay off so that placing the prompt counts as no search.
        const QSignalBlocker stil(ZoekVak);
        if (event->type() == QEvent::FocusIn)
            ZoekVak->clear();
        else if (event->type() == QEvent::FocusOut)
            ZoekVak->setText(QStringLiteral("Zoek Nr of naam"));
    }
    return TOnderhoudFrm::eventFilter(object, event);
}

void THistoryFrm::ZoekVakChange(const QString& tekst)
{
    if (m_dm.HistorieDB->isEmpty())
        return;
    ZetKnoppen(true);
    if (!ZoekVak->hasFocus())
        return;
    DataActie([&] {
        ZoekHistorie(m_dm, tekst, [this](const QString& nieuw) {
            const QSignalBlocker stil(ZoekVak);
            ZoekVak->setText(nieuw);
            ZoekVak->setCursorPosition(nieuw.size());
        });
    });
}

void THistoryFrm::MoveBtnClick()
{
    TableHandle& historie = *m_dm.HistorieDB;
    if (!historie.heeftRij())
        return;
    const QString nummer = historie.text(QStringLiteral("CursistNr"));
    if (ToonMelding(mVraag,
                    QStringLiteral("CursistNr: ") + nummer + QStringLiteral(" ") + historie.text(QStringLiteral("Naam"))
                        + QStringLiteral("\n\rnaar actueel bestand verplaatsen?"),
                    Knoppen::OKAnnuleren)
        == Antwoord::OK) {
        HistorieWerk::Uitkomst uitkomst;
        {
            WachtCursor wacht;
            uitkomst = HistorieWerk(m_dm).NaarActueel(nummer);
            LeesOpnieuw();
        }
        ToonMelding(uitkomst.resultaat == HistorieWerk::Verplaatst ? mInformatie : mFout, uitkomst.tekst, Knoppen::OK,
                    true);
    }
    if (historie.isEmpty())
        ZetKnoppen(false);
}

void THistoryFrm::VerwijderBtnClick()
{
    TableHandle& historie = *m_dm.HistorieDB;
    if (!historie.heeftRij()
        || ToonMelding(mVraag, QStringLiteral("Cursist geheel uit bestand verwijderen?"), Knoppen::JaNee) != Antwoord::Ja)
        return;
    bool gelukt;
    {
        WachtCursor wacht;
        gelukt = HistorieWerk(m_dm).VerwijderUitHistorie(historie.text(QStringLiteral("CursistNr")));
        LeesOpnieuw();
    }
    if (gelukt)
        ToonMelding(mInformatie, QStringLiteral("Cursist is verwijderd"), Knoppen::OK, true);
    else
        ToonMelding(mFout, QStringLiteral("Cursist NIET of gedeeltelijk verwijderd !"), Knoppen::OK, true);
    if (historie.isEmpty())
        ZetKnoppen(false);
}

void THistoryFrm::ZetKnoppen(bool aan)
{
    MoveBtn->setEnabled(aan);
    VerwijderBtn->setEnabled(aan);
}

void THistoryFrm::LeesOpnieuw()
{
    DataActie([this] { m_dm.HistorieDB->refresh(); });
    DBGrid1->Model()->herlaad();
    DBGrid1->VolgTabel();
}
