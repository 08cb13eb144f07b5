#pragma once
// "AED gegevens": the issue date and the instructor of AED diplomas, asked
// before the print centre prints them. The two values belong to the caller
// and live as long as it does (the print selection, for the whole run).
//
//     TAED_invulFrm aed(selectie.AEDDatum, selectie.AEDInstructeur, vandaag, this);
//     aed.exec();   // "Opslaan": both set; "Annuleer": the date is today,
//                   // the instructor stays what it was
#include <QDate>
#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;

class TAED_invulFrm : public QDialog {
    Q_OBJECT
public:
    TAED_invulFrm(QString& aedDatum, QString& aedInstructeur, const QDate& vandaag, QWidget* parent = nullptr);

    QDateEdit* DateTimePicker1;
    QLineEdit* AEDInstrNaamEdit;
    QPushButton* OpslaanBtn;
    QPushButton* AnnuleerBtn;

    void OpslaanBtnClick();
    void AnnuleerBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate(const QDate& vandaag);

    QString& m_aedDatum;
    QString& m_aedInstructeur;
};
