#pragma once
// A maintenance window that shows one row of its table at a time, chosen in
// the SelectBox of its top bar, with the cycle that every such window shares:
// browse mode with "Nieuw", "Wijzig" and "Verwijder"; edit mode with
// "Opslaan" and "Annuleer"; a save that is checked, posted and, when refused,
// told in the user's words and cancelled; a delete that asks first.
//
// A window builds its controls (MaakVeldEdit binds them to Tabel()), calls
// MaakKeuzeBalk once, names its code and name edits with ZetSleutelVelden,
// and fills in the hooks below; it keeps only what is its own.
//
// Hooks, in the order the cycle asks them:
// - Namen: the entries of the box, in order (read again whenever the box is
//   filled).
// - ZoekRij(index): positions the table on the row of that entry (index -1:
//   there is none) and shows what no bound edit shows; false when the row is
//   not there.
// - Wijzigbaar: whether the row shown may be changed and deleted.
// - InGebruik: asked when "Wijzig" starts on the row: other rows refer to its
//   code, so the code edit stays locked while it is edited.
// - Bewerkbaar(aan): edit mode starts (true) or ends; for locks and labels of
//   the window's own. The focus then goes to the first data control that may
//   be typed in.
// - NieuweRij: the starting values of a new row that no bound edit carries.
// - Controleer: a reason to refuse the typed row before it is posted, beyond
//   a blank in the code, which the kit refuses itself.
// - VoorPost: values that no bound edit carries, written just before the post.
// - VerplichtMelding: the words for an empty required field.
// - NaWijziging: a row was saved or deleted (rebuild shared lists).
// - NaOpslaan: after a successful save (a word to the user).
// - VerwijderBezwaar: a reason not to delete the row shown.
#include "OnderhoudFrm.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class TableHandle;
class VeldVerplicht;

class TEenRijFrm : public TOnderhoudFrm {
    Q_OBJECT
public:
    // soort names a row in the delete messages ("Lokatie", "Profiel").
    TEenRijFrm(TableHandle& tabel, const QString& soort, QWidget* parent = nullptr);

    QComboBox* SelectBox = nullptr;
    QPushButton* NewBtn = nullptr;
    QPushButton* WijzigBtn = nullptr;
    QPushButton* DelBtn = nullptr;
    QPushButton* OpslaanBtn = nullptr;
    QPushButton* AnnuleerBtn = nullptr;

    void NewBtnClick();
    void WijzigBtnClick();
    // A half-typed value is named first; otherwise the row is saved or
    // refused, and the window is back in browse mode either way.
    void OpslaanBtnClick();
    void AnnuleerBtnClick();
    void DelBtnClick();
    // 0: browse mode; 1: edit mode.
    void SetButtons(int modus);
    void SetEdit(bool aan);

    // The entry of the box shown.
    const QString& GetoondeNaam() const { return m_naam; }

protected:
    // Which entry the box shows when a save or a cancel is over.
    enum class Terug { Eerste, ZelfdePlek, BewaardeRij };
    struct Terugkeer {
        Terug naOpslaan = Terug::ZelfdePlek;
        Terug naAnnuleren = Terug::ZelfdePlek;
    };

    TableHandle& Tabel() const { return m_tabel; }
    // The top bar: the caption and the box, the five buttons and the exit
    // button; the bar heads the window.
    void MaakKeuzeBalk(const QString& titel, const QString& nieuwHint = {});
    // The code edit: no blanks ("Er mogen GEEN spaties in de <woord> zitten!"),
    // locked while the row is in use, and checked against the other rows when
    // the table refuses a post. The name edit gives the saved row's entry.
    void ZetSleutelVelden(QLineEdit* code, const QString& codeVeld, const QString& woord, QLineEdit* naam);
    void ZetTerugkeer(Terugkeer terugkeer) { m_terugkeer = terugkeer; }
    // Whether "Verwijder" beeps when it tells the row is gone.
    void ZetPiepBijVerwijderd(bool piep) { m_piepBijVerwijderd = piep; }

    // The box chosen: the entry is shown, and the buttons follow it.
    void KiesRij(int index);
    // Browse mode, the box filled again and the entry at index shown
    // (past the end or -1: the last), the box in focus.
    void NaarBladeren(int index);
    // Whether the row being edited was in use when "Wijzig" started.
    bool RijInGebruik() const { return m_inGebruik; }

    virtual QStringList Namen() = 0;
    virtual bool ZoekRij(int index) = 0;
    virtual bool Wijzigbaar() const;
    virtual bool InGebruik() { return false; }
    virtual void Bewerkbaar(bool) {}
    virtual void NieuweRij() {}
    virtual QString Controleer() { return {}; }
    virtual void VoorPost() {}
    virtual QString VerplichtMelding(const VeldVerplicht& fout) const;
    virtual void NaWijziging() {}
    virtual void NaOpslaan() {}
    virtual QString VerwijderBezwaar() { return {}; }

    // The table in its primary order, the first entry shown, browse mode.
    void FormShow() override;

private:
    // Saves the row being edited; false when it failed (the user was told).
    bool Bewaar();
    // Another row has the code typed.
    bool CodeBezet() const;
    void VulSelectBox();
    // Browse mode with the entry at index shown, the box in focus.
    void Bladeren(int index);
    void ToonRij(int index);

    TableHandle& m_tabel;
    QString m_soort;
    QString m_naam;
    QLineEdit* m_codeEdit = nullptr;
    QString m_codeVeld;
    QString m_codeWoord;
    QLineEdit* m_naamEdit = nullptr;
    Terugkeer m_terugkeer;
    bool m_piepBijVerwijderd = true;
    bool m_inGebruik = false;
};
