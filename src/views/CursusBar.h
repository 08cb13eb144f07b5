#pragma once
// The course bar: one button per course, captioned with the course code and
// its first day ("EHBO01 14-03-2026") and tagged with the CursusID in the
// property "CursusID", built from a query on the first-day rows of
// Cursussen, with the picture of the course's profile. The payments,
// processing, call-up manager and print windows share it. The participant
// window shows every course day of one participant instead (VulDagen).
#include "data/ZolDatum.h"

#include <QHash>
#include <QIcon>
#include <QScrollArea>
#include <QVariantList>

class QHBoxLayout;
class QPushButton;
class Storage;

class TCursusBar : public QScrollArea {
    Q_OBJECT
public:
    TCursusBar(Storage& storage, const QString& naam, QWidget* parent = nullptr);

    // The courses whose first-day rows also meet the condition (local SQL on
    // Cursussen, values bound; empty = every course), by first day.
    void Vul(const QString& conditie = {}, const QVariantList& waarden = {});
    // Vul lists the most recent course first.
    void ZetNieuwsteEerst(bool nieuwsteEerst) { m_nieuwsteEerst = nieuwsteEerst; }
    // Vul gives every day of a course a button of its own, not only the
    // first.
    void ZetAlleDagen(bool alleDagen) { m_alleDagen = alleDagen; }
    // How a button writes the first day (a QDateTime format); the date alone
    // unless set.
    void ZetDatumFormaat(const QString& formaat) { m_datumFormaat = formaat; }
    // One button per course day whose row meets the condition, by date and
    // time, captioned with the course code and the day's date and time
    // ("EHBO01 14-03-2026 19:30") and showing the picture of its profile.
    void VulDagen(const QString& conditie, const QVariantList& waarden);
    void Leeg();
    QList<QPushButton*> Knoppen() const;

Q_SIGNALS:
    void CursusGekozen(int cursusID);
    // The same click, with the button (its caption names code and day).
    void KnopGekozen(QPushButton* knop);

private:
    // A button of a course of this code; the caption follows the code.
    QPushButton* voegToe(int cursusID, const QString& cursusCode, const QString& dag);
    QIcon icoonVan(const QString& cursusCode);

    Storage& m_storage;
    QHBoxLayout* m_rij;
    bool m_nieuwsteEerst = false;
    bool m_alleDagen = false;
    QString m_datumFormaat = QString::fromLatin1(KorteDatumFormaat);
    QHash<QString, QIcon> m_iconen;  // per course code, for one fill
};
