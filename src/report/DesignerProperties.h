#pragma once
// The property panel of the designer. It shows what is selected on the page:
// one object (text, font, alignment, frame, position and size, pen or
// picture), a band (its dataset and height) or, with nothing selected, the
// page (paper, orientation, margins). Every change is an operation on the
// document, so it can be undone; typing in one field is one undo step.
#include "report/DesignerFieldList.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace report {

class DesignerScene;

// Asks for a PNG or JPEG file and reads it; false when the user cancels or the
// file is no image (the user is told).
bool chooseImageFile(QWidget* parent, QByteArray& bytes);

class DesignerProperties : public QWidget {
    Q_OBJECT
public:
    DesignerProperties(DesignerScene& scene, QWidget* parent = nullptr);

    void setSources(const QList<DesignerSource>& sources);
    // Puts an expression into the text at the cursor; false when no single
    // memo is shown.
    bool insertIntoText(const QString& expression);
    void refresh();

    QStackedWidget* Pages;
    // One object
    QLabel* ObjectLbl;
    QPlainTextEdit* TekstEdit;
    QFontComboBox* LettertypeBox;
    QDoubleSpinBox* GrootteEdit;
    QCheckBox* VetBox;
    QCheckBox* CursiefBox;
    QCheckBox* OnderstreeptBox;
    QComboBox* UitlijningBox;
    QComboBox* VerticaalBox;
    QCheckBox* TerugloopBox;
    QCheckBox* KaderLinksBox;
    QCheckBox* KaderBovenBox;
    QCheckBox* KaderRechtsBox;
    QCheckBox* KaderOnderBox;
    QDoubleSpinBox* LinksEdit;
    QDoubleSpinBox* BovenEdit;
    QDoubleSpinBox* BreedteEdit;
    QDoubleSpinBox* HoogteEdit;
    QDoubleSpinBox* LijndikteEdit;
    QPushButton* AfbeeldingBtn;
    QCheckBox* VerhoudingBox;
    // A band
    QLabel* BandLbl;
    QComboBox* DatasetBox;
    QDoubleSpinBox* BandHoogteEdit;
    // The page
    QComboBox* PapierBox;
    QComboBox* RichtingBox;
    QDoubleSpinBox* MargeLinksEdit;
    QDoubleSpinBox* MargeBovenEdit;
    QDoubleSpinBox* MargeRechtsEdit;
    QDoubleSpinBox* MargeOnderEdit;

private:
    QWidget* makeObjectPage();
    QWidget* makeBandPage();
    QWidget* makePagePage();
    void refreshObject(const ReportObject& o);
    void refreshBand(const Band& b);
    void refreshPage(const ReportPage& p);
    // Changes the one selected object; key groups successive changes.
    void editObject(const QString& key, const std::function<void(ReportObject&)>& change);
    void editPage(const QString& key, const std::function<void(ReportPage&)>& change);
    void chooseImage();

    DesignerScene& m_scene;
    QList<DesignerSource> m_sources;
    QList<QWidget*> m_memoRows;
    QList<QWidget*> m_penRows;
    QList<QWidget*> m_pictureRows;
    bool m_refreshing = false;
};

}  // namespace report
