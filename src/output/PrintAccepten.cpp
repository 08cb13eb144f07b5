#include "PrintAccepten.h"

#include "report/QrCode.h"

namespace {
const QString kFont = QStringLiteral("Arial");

struct Plaats {
    int pointSize;
    double yMm;
    double xMm;
    QString AcceptRegel::*veld;
};

// Every text of a form but the course text, relative to the form's origin.
const Plaats kPlaatsen[] = {
    {12, 17, 10, &AcceptRegel::CursistNr},
    {12, 17, 61, &AcceptRegel::Euro},
    {12, 17, 82, &AcceptRegel::Centen},
    {12, 17, 130, &AcceptRegel::CursistNr},
    {12, 30, 9, &AcceptRegel::Euro},
    {12, 30, 26, &AcceptRegel::Centen},
    {12, 30, 50, &AcceptRegel::Bank},
    {10, 42, 0, &AcceptRegel::CursusCode},
    {12, 41, 60, &AcceptRegel::Naam},
    {12, 41 + 6, 60, &AcceptRegel::Adres},
    {12, 41 + 6 + 6, 60, &AcceptRegel::PCWoonplaats},
};

// Millimetres are converted one by one and the pixels added, so the forms
// land where the settings window's test sheet shows them on every printer.
void tekenAccept(PrintJob& job, const AcceptRegel& regel, int oorsprong, int acceptTekst)
{
    job.setFont(kFont, 10);
    const QString cursus = regel.CursusCode + QLatin1Char(' ') + regel.Datum;
    const int rechts = job.pageWidth() - job.averageCharWidth();
    job.drawText(rechts - job.textWidth(cursus), oorsprong + job.mm(acceptTekst), cursus);
    for (const Plaats& p : kPlaatsen) {
        job.setFont(kFont, p.pointSize);
        job.drawText(job.mm(p.xMm), oorsprong + job.mm(p.yMm), regel.*p.veld);
    }
    // Bottom right, where the form carries no text.
    const int zijde = job.mm(BetaalCodeMm);
    report::drawQr(job.painter(), QRectF(job.mm(BetaalCodeXMm), oorsprong + job.mm(BetaalCodeYMm), zijde, zijde),
                   report::encodeQr(regel.BetaalCode));
}
}  // namespace

PrintStatus PrintAccepten(const QList<AcceptRegel>& regels, int acceptTMarge, int acceptTekst)
{
    if (regels.isEmpty())
        return PrintStatus::Ok;
    PrintJob job(QStringLiteral("Accepten"));
    const PrintStatus status = job.begin();
    if (status != PrintStatus::Ok)
        return status;
    int slot = 0;
    for (const AcceptRegel& regel : regels) {
        if (slot == 3) {
            if (!job.newPage())
                return PrintStatus::Failed;
            slot = 0;
        }
        tekenAccept(job, regel, job.mm(slot * AcceptHoogteMm) - job.mm(acceptTMarge), acceptTekst);
        ++slot;
    }
    return job.end() ? PrintStatus::Ok : PrintStatus::Failed;
}
