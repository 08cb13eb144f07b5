#pragma once
// The re-index window: throws away every key and index of the database and
// builds them again from the schema's one list, with a bar per index and a
// bar for the whole, and checks the database file afterwards. It works by
// itself once shown and closes when done.
#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;
class Storage;
class TDataModFrm;
struct IndexVerwijzing;

class TIndexFrm : public QDialog {
    Q_OBJECT
public:
    explicit TIndexFrm(TDataModFrm& dm, QWidget* parent = nullptr);

    void MaakIndexen();

    QLabel* Image1;
    QLabel* Label1;              // "Totaal"
    QLabel* StapLbl;             // what is being built now
    QProgressBar* ProgressBar2;  // all definitions
    QProgressBar* ProgressBar1;  // the current definition, 0-100
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormShow();
    void Timer1Timer();
    void VerwijderAlleIndexen(Storage& storage);
    void MaakIndex(Storage& storage, const IndexVerwijzing& definitie);
    // The integrity check; false when it found damage (already reported).
    bool ControleerDatabase(Storage& storage);
    void ZetStap(const QString& tekst, int procent);

    TDataModFrm& m_dm;
};
