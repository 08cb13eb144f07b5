#pragma once
// "Cursusinformatie": what one booked course is, for a button of the
// participant's course bar: its code, the day as the button shows it, its
// location and its number of rows ("Aantal deelnemers", each participant
// once per day).
#include <QDialog>

class QLabel;
class Storage;

class TShowCursusInfoFrm : public QDialog {
    Q_OBJECT
public:
    TShowCursusInfoFrm(Storage& s, const QString& cursusCode, const QString& datumTekst, int cursusID,
                       QWidget* parent = nullptr);

    QLabel* CCLbl;
    QLabel* DatumLbl;
    QLabel* LCLbl;
    QLabel* AantalLbl;

protected:
    void showEvent(QShowEvent* event) override;
};
