#pragma once
// The program's own help: Dutch pages compiled into the program and shown in
// a small browser window. F1 opens the page of the focused control. A
// window's help context is its class name: TAfdrukFrm is explained by
// "TAfdrukFrm.html" (a window without a page of its own gets that of the
// class it derives from). A control or a page of the main window may name a
// page or a section of its own with ZetHelpPagina; a child inherits its
// parent's.
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace Help {
void ZetHelpPagina(QWidget* venster, const QString& pagina);  // e.g. "cursussen.html#genereren"
// The page F1 opens for this widget: the one set on it, or for a window the
// page of its class; empty when neither exists.
QString HelpPagina(const QWidget* venster);
// The page of a window class (or of the nearest class it derives from that
// has one); empty when none has.
QString KlassePagina(const QMetaObject* klasse);
bool PaginaBestaat(const QString& pagina);
void ToonHelp(const QString& pagina);
// The contents with the finder: a search over the text of every page.
void ToonHelpZoeker();
void SluitHelp();
// Routes F1 of every window to the page of the focused control.
void InstalleerF1();
}  // namespace Help

class THelpFrm : public QWidget {
    Q_OBJECT
public:
    explicit THelpFrm(QWidget* parent = nullptr);
    void ToonPagina(const QString& pagina);
    void Zoek(const QString& tekst);

    QLineEdit* ZoekVeld;
    QListWidget* PaginaLijst;
    QTextBrowser* Browser;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void VulPaginaLijst();
};
