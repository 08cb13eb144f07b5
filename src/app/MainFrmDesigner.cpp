#include "MainFrm.h"

#include "data/DataModFrm.h"
#include "data/OrvelFout.h"
#include "data/ToonMelding.h"
#include "output/ReportsFrm.h"

#include <QFileDialog>
#include <QSqlQuery>

void TMainFrm::Designer1Click()
{
    if (!ReportsFrm)
        return;
    TReportsFrm& rapporten = *ReportsFrm;
    // The first course row in key order gives the preview its data.
    QSqlQuery eerste = m_dm.storage().exec(
        QStringLiteral("select CursusID, CursistNr from Cursussen order by Datum, Dag, CursistNr, CursusCode"));
    if (eerste.next() && !eerste.value(1).toString().trimmed().isEmpty()) {
        rapporten.Selectie.CursusID = eerste.value(0).toString();
        rapporten.Selectie.CursistNr = eerste.value(1).toString();
        rapporten.SetQueries(1);
    } else {
        ToonMelding(
            mInformatie,
            QStringLiteral("LET OP, Er zijn geen cursussen gevonden\rU kunt rapport NIET in preview-mode bekijken!"),
            Knoppen::OK, true);
    }
    rapporten.ZetOpenDialog(QStringLiteral("Rapport (Rap_*.frf)|Rap_*.frf"),
                            QStringLiteral("Rapport openen voor designer"));
    rapporten.OpenDialog()->setDirectory(m_dm.storage().map());
    // The provider is closed before an error is shown, as after every run.
    QString fout;
    if (rapporten.OpenDialog()->exec() == QDialog::Accepted && !rapporten.OpenDialog()->selectedFiles().isEmpty()) {
        try {
            rapporten.frReport1.clear();
            rapporten.frReport1.loadFromFile(rapporten.OpenDialog()->selectedFiles().first());
            rapporten.Ontwerp(this);
        } catch (const OrvelFout& e) {
            fout = e.tekst();
        }
    }
    rapporten.SetDatabases(false);
    if (!fout.isEmpty())
        ToonMelding(mFout, fout);
}
