#pragma once
// The preview window: the prepared pages of a report one at a time, with
// page navigation, zoom, printing through the print dialog and saving as
// PDF. Shown modally by Report::showPreview.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace report {

class Report;

class ReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit ReportPreview(Report& report, QWidget* parent = nullptr);

    int currentPage() const { return m_page; }  // from 0
    void showPage(int index);
    // While the report is still being prepared: the first `count` pages are
    // ready, more may follow (complete false); printing and saving wait for
    // the last page.
    void setPagesReady(int count, bool complete);
    // Zoom factor; 0 means fit the page's width, -1 the whole page.
    void setZoom(double zoom);
    // The save-as step without its file dialog.
    bool saveAsPdf(const QString& file);

    QPushButton* EersteBtn;
    QPushButton* VorigeBtn;
    QLabel* PaginaLbl;
    QPushButton* VolgendeBtn;
    QPushButton* LaatsteBtn;
    QComboBox* ZoomBox;
    QPushButton* AfdrukkenBtn;
    QPushButton* PdfBtn;
    QPushButton* SluitenBtn;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void AfdrukkenBtnClick();
    void PdfBtnClick();
    void ZoomBoxChange();
    void ZetKnoppen();
    void render();
    double effectiveZoom() const;

    Report& m_report;
    QScrollArea* m_scroll;
    QLabel* m_canvas;
    int m_page = 0;
    int m_count = 0;  // pages ready to be shown
    bool m_complete = true;
    double m_zoom = 1.0;
};

// The print dialog of the preview: which pages, how many copies, collated.
class ReportPrintDialog : public QDialog {
    Q_OBJECT
public:
    ReportPrintDialog(int pageCount, QWidget* parent = nullptr);
    int firstPage() const;
    int lastPage() const;
    int copies() const;
    bool collate() const;

    QRadioButton* AllesBtn;
    QRadioButton* BereikBtn;
    QSpinBox* VanEdit;
    QSpinBox* TotEdit;
    QSpinBox* AantalEdit;
    QCheckBox* SorterenBox;

private:
    int m_pageCount;
};

}  // namespace report
