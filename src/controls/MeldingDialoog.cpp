#include "MeldingDialoog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
QMessageBox::Icon icoon(int soort)
{
    switch (soort) {
    case mWaarschuwing: return QMessageBox::Warning;
    case mFout: return QMessageBox::Critical;
    case mInformatie: return QMessageBox::Information;
    case mVraag: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}
}  // namespace

int MeldingDialoog::toon(const Melding& melding)
{
    // A message must never appear behind an hourglass.
    const bool wachtCursor = QGuiApplication::overrideCursor() != nullptr;
    if (wachtCursor)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);

    QMessageBox box(icoon(melding.soort), melding.titel,
                    QString(melding.tekst).replace(QLatin1Char('\r'), QLatin1Char('\n')), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QHash<QAbstractButton*, int> antwoordVan;
    const QList<int> antwoorden = MeldingAntwoorden(melding.knoppen);
    for (int antwoord : antwoorden) {
        const auto rol = antwoord == Antwoord::Annuleren || antwoord == Antwoord::Nee || antwoord == Antwoord::Opnieuw
                             ? QMessageBox::RejectRole
                             : QMessageBox::AcceptRole;
        QPushButton* knop = box.addButton(KnopTekst(antwoord), rol);
        antwoordVan.insert(knop, antwoord);
        if (antwoord == antwoorden.first())
            box.setDefaultButton(knop);
    }
    box.exec();
    if (wachtCursor)
        QGuiApplication::restoreOverrideCursor();
    return antwoordVan.value(box.clickedButton(), VeiligAntwoord(melding.knoppen));
}

void MeldingDialoog::geluid(int) { QApplication::beep(); }
