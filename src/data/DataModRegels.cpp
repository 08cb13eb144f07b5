// The row rules of the data module. They sit on the shared handles, so they
// hold whichever window posts or deletes.
#include "DataModFrm.h"
#include "DatabaseError.h"
#include "ToonMelding.h"

#include <QSqlQuery>

namespace {
const QString Betaalwijze = QStringLiteral("Betaalwijze");
const QString Systeem = QStringLiteral("Systeem");

[[noreturn]] void meldEnBreekAf(const QString& tekst, bool waarschuwingsPiep)
{
    if (waarschuwingsPiep)
        WaarschuwingsPiep();
    ToonMelding(mFout, tekst, Knoppen::OK, !waarschuwingsPiep);
    throw StilAfbreken();
}

// A duplicate is named as the table's rule names it; any other failure (a
// value too long, a full disk) with its own text, not as a duplicate.
QString BestaatAlOf(const DatabaseError& fout, const QString& bestaatAl)
{
    return fout.tekst().contains(QLatin1String("Key violation")) ? bestaatAl : fout.tekst();
}

void betaalwijzeRegels(TDataModFrm& dm, TableHandle& t)
{
    // A method the user adds charges the price: no window sets Berekenen,
    // and without it every enrolment with the new method would owe nothing.
    t.onNewRecord = [](TableHandle& h) {
        h.setValue(Systeem, false);
        h.setValue(QStringLiteral("Berekenen"), true);
    };
    t.beforeEdit = [&dm](TableHandle& h) { dm.OudeBetaalwijze = h.text(Betaalwijze); };
    t.beforePost = [&dm](TableHandle& h) {
        if (h.toestand() == TableHandle::Toestand::Wijzigen && h.value(Systeem).toBool())
            h.setValue(Betaalwijze, dm.OudeBetaalwijze);
    };
    t.beforeDelete = [](TableHandle& h) {
        if (h.value(Systeem).toBool())
            throw DatabaseError(QStringLiteral("Deze betaalwijze mag NIET worden verwijderd!"));
    };
    t.onDeleteError = [](TableHandle&, const DatabaseError& fout) { meldEnBreekAf(fout.tekst(), true); };
    t.onPostError = [](TableHandle&, const DatabaseError& fout) {
        meldEnBreekAf(BestaatAlOf(fout, QStringLiteral("Betaalwijze bestaat al!")), true);
    };
}

void lokatieRegels(TDataModFrm& dm, TableHandle& t)
{
    // The system row and the phone list's pseudo-location stay.
    t.beforeDelete = [](TableHandle& h) {
        const QString code = h.text(QStringLiteral("LokatieCode"));
        if (code == QLatin1String("-") || code.compare(QLatin1String("TELYST"), Qt::CaseInsensitive) == 0)
            throw DatabaseError(QStringLiteral("Dit systeemrecord kan niet worden verwijderd!"));
    };
    t.onDeleteError = [](TableHandle&, const DatabaseError& fout) {
        if (fout.tekst().contains(QLatin1String("Master has detail records")))
            ToonMelding(
                mFout,
                QStringLiteral("Er zijn nog records in de hoofdtabel met deze lokatie!\rRecord wordt NIET verwijderd!"),
                Knoppen::OK, true);
        throw StilAfbreken();
    };
    t.onPostError = [](TableHandle&, const DatabaseError& fout) {
        if (fout.tekst().contains(QLatin1String("Key")))
            meldEnBreekAf(QStringLiteral("LocatieCODE is al in gebruik!\rGeef een andere code op!"), true);
        if (fout.tekst().contains(QLatin1String("Field value")))
            meldEnBreekAf(QStringLiteral("Velden mogen NIET leeg zijn!"), true);
        meldEnBreekAf(fout.tekst(), true);
    };
    QObject::connect(&t, &TableHandle::afterPost, &dm, &TDataModFrm::VulLokatieLijsten);
}

void groepsCodeRegels(TableHandle& t)
{
    t.onPostError = [](TableHandle&, const DatabaseError& fout) {
        meldEnBreekAf(BestaatAlOf(fout, QStringLiteral("GroepsCode bestaat al!")), true);
    };
    t.onDeleteError = [](TableHandle&, const DatabaseError&) { throw StilAfbreken(); };
}

void begeleidersRegels(TDataModFrm& dm, TableHandle& t)
{
    t.beforePost = [](TableHandle& h) {
        h.setValue(QStringLiteral("PersoonCode"), h.text(QStringLiteral("PersoonCode")).toUpper());
        const QString functie = h.text(QStringLiteral("FunctieCode"));
        if (!functie.startsWith(QLatin1Char('B')) && !functie.startsWith(QLatin1Char('I')))
            meldEnBreekAf(QStringLiteral("FunctieCode mag alleen I of B zijn!"), false);
    };
    t.beforeDelete = [&dm](TableHandle& h) {
        const bool instructeur = h.text(QStringLiteral("FunctieCode")) == QLatin1String("I");
        const QString veld = instructeur ? QStringLiteral("InstructeurCode") : QStringLiteral("BegeleiderCode");
        QSqlQuery q = dm.storage().execNative(
            QStringLiteral("SELECT 1 FROM Begeleiding WHERE %1 = ? COLLATE NOCASE LIMIT 1").arg(veld),
            {h.text(QStringLiteral("PersoonCode"))});
        if (q.next())
            meldEnBreekAf(QStringLiteral("U kunt deze persoon NIET verwijderen!\r")
                              + (instructeur ? QStringLiteral("Instructeur") : QStringLiteral("Begeleider"))
                              + QStringLiteral(" staat nog genoteerd voor begeleiding van cursus(sen)."),
                          false);
    };
}

void stedenRegels(TDataModFrm& dm, TableHandle& t)
{
    t.beforePost = [](TableHandle& h) { h.setValue(QStringLiteral("Stad"), h.text(QStringLiteral("Stad")).toUpper()); };
    // The handle on Land follows the handle on Steden: to another place, and
    // to the country a place was just saved with.
    const auto volgLand = [&dm, &t] {
        if (!dm.LandDB->isOpen())
            return;
        const QVariant land = t.heeftRij() ? t.value(QStringLiteral("LandCode")) : QVariant();
        dm.LandDB->setFilter(land.isNull() ? QStringLiteral("LandCode is null")
                                           : QStringLiteral("LandCode = %1").arg(land.toInt()));
    };
    QObject::connect(&t, &TableHandle::afterScroll, &dm, volgLand);
    QObject::connect(&t, &TableHandle::afterPost, &dm, volgLand);
}

void diplomaDataRegels(TableHandle& t)
{
    t.beforePost = [](TableHandle& h) {
        if (h.text(QStringLiteral("DiplomaCode")).trimmed().isEmpty())
            meldEnBreekAf(QStringLiteral("U moet eerst een diplomacode invoeren!"), false);
    };
}
}  // namespace

void TDataModFrm::KoppelRegels()
{
    betaalwijzeRegels(*this, *BetaalWDB);
    lokatieRegels(*this, *LokatieDB);
    groepsCodeRegels(*GroepsCodeDB);
    begeleidersRegels(*this, *BegeleidersDB);
    stedenRegels(*this, *StedenDB);
    diplomaDataRegels(*DiplDataDB);
}
