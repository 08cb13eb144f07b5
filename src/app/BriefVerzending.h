#pragma once
// Letter mode's letters by e-mail: every participant marked for the letter
// gets one message with his own letter as a PDF, sent by the print centre's
// sender over the program's mail settings. The participants stand here as
// the sender's list; what became of each is kept for the closing message.
#include "output/AfdrukEMail.h"

#include <QList>

class QLabel;

class BriefVerzending : public AfdrukVenster {
public:
    // The participants marked for printing (by surname), the letter at
    // `layout`, the status bar `statusBalk` of `venster`.
    BriefVerzending(TDataModFrm& dm, TReportsFrm& rapporten, QWidget* venster, QLabel* statusBalk, const QString& layout);

    // Sends the letters; false when the run could not start (no connection).
    bool Verzend();
    // "Verzonden: 2 van 3." with a line per participant whose letter did not go.
    QString Verslag() const;

    int AantalRijen(int Soort) const override;
    AfdrukRij Rij(int Soort, int index) const override;
    void ZetStatus(int Soort, int index, const QString& status) override;
    AfdrukSelectie& Selectie() override;
    QString CursusLblTekst() const override;
    void ToonStatusBalk(const QString& tekst) override;
    TDataModFrm& DataModule() override { return m_dm; }
    TReportsFrm& Rapporten() override { return m_rapporten; }
    QWidget* Venster() override { return m_venster; }
    QString BriefLayout() const override { return m_layout; }

private:
    TDataModFrm& m_dm;
    TReportsFrm& m_rapporten;
    QWidget* m_venster;
    QLabel* m_statusBalk;
    QString m_layout;
    QList<AfdrukRij> m_rijen;
};
