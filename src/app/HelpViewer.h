#pragma once
// The program's own help: short Dutch pages compiled into the program and
// shown in a small browser window. F1 opens the page of the focused control;
// a window names its page with ZetHelpPagina (a child inherits its parent's).
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace Help {
void ZetHelpPagina(QWidget* venster, const QString& pagina);  // e.g. "cursussen.html#genereren"
QString HelpPagina(const QWidget* venster);
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
