#pragma once
// The report designer: a modal window in which a user lays out a report. The
// page shows its bands as strips with the objects on them; on the left the
// fields, variables and built-in values a memo may name, on the right the
// properties of what is selected. Every change can be undone. The window
// saves to the file the layout came from or to one the user chooses, and
// asks before unsaved changes are lost.
#include "report/DesignerDocument.h"
#include "report/DesignerFieldList.h"

#include <QDialog>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QGraphicsView;
class QLabel;
class QToolBar;
class QToolButton;

namespace report {

class DesignerProperties;
class DesignerScene;

// The name a layout is saved under: the program lists layouts as
// "Rap_*.frf", so a name without that prefix or extension gets it.
QString layoutFileName(const QString& chosenPath);

class DesignerWindow : public QDialog {
    Q_OBJECT
public:
    using Preview = std::function<void(const ReportLayout&)>;

    // An empty layout gets one empty A4 page. folder: where "Opslaan als"
    // starts when the layout has no file yet.
    DesignerWindow(ReportLayout layout, const QString& path, QList<DesignerSource> sources, const QString& folder = {},
                   QWidget* parent = nullptr);
    ~DesignerWindow() override;

    // Shows the "Voorbeeld" button, which runs the layout being designed.
    void setPreview(Preview preview);

    DesignerDocument& document() { return *m_doc; }
    DesignerScene& scene() { return *m_scene; }
    DesignerProperties& properties() { return *m_properties; }
    // The layout as it was last saved and its file (or as it came, when
    // never saved).
    const ReportLayout& savedLayout() const { return m_saved; }
    const QString& savedPath() const { return m_savedPath; }

    // The commands, under the names of their buttons.
    bool Opslaan();
    bool OpslaanAls();
    void NieuwRapport();
    ObjectRef NieuwObject(ObjectKind kind);
    int NieuweBand(BandKind kind);
    void Verwijderen();
    void VeldInvoegen(const QString& expression);

    QAction* OpslaanAct;
    QAction* OpslaanAlsAct;
    QAction* NieuwAct;
    QAction* OngedaanAct;
    QAction* OpnieuwAct;
    QAction* TekstAct;
    QAction* LijnAct;
    QAction* RechthoekAct;
    QAction* QrCodeAct = nullptr;
    QAction* AfbeeldingAct;
    QToolButton* BandBtn;
    QAction* VerwijderAct;
    QAction* VoorbeeldAct;
    QComboBox* ZoomBox;
    DesignerFieldList* VeldenLijst;
    QGraphicsView* PaginaView;

    // Closing asks first when there are unsaved changes.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar(QToolBar* bar);
    void updateTitle();
    void applyZoom();
    // The band a new object goes on: the selected one, else the first data
    // band, else the first; -1 when the page has none (the user is told).
    int targetBand();
    bool saveTo(const QString& path);
    // False when the user keeps the window (Annuleren, or a failed save).
    bool mayDiscard();

    std::unique_ptr<DesignerDocument> m_doc;
    DesignerScene* m_scene;
    DesignerProperties* m_properties;
    QList<DesignerSource> m_sources;
    QString m_folder;
    ReportLayout m_saved;
    QString m_savedPath;
    Preview m_preview;
};

}  // namespace report
