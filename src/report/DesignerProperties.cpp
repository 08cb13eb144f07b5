#include "DesignerProperties.h"

#include "report/DesignerScene.h"

#include "controls/Knop.h"
#include "data/ToonMelding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cmath>

namespace report {

namespace {
enum PageIndex { ObjectPage, BandPage, LayoutPage, SeveralPage };

const PaperSize kPapers[] = {PaperSize::A4, PaperSize::A5, PaperSize::A3, PaperSize::Letter};

QDoubleSpinBox* lengthEdit(QWidget* parent, const QString& name, double maximum)
{
    auto* edit = MaakControl<QDoubleSpinBox>(parent, name);
    edit->setRange(0, maximum);
    edit->setDecimals(1);
    edit->setSuffix(QStringLiteral(" mm"));
    // A value counts once it is complete (Enter, leaving the field or the
    // arrows), not at every digit typed.
    edit->setKeyboardTracking(false);
    return edit;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption)
{
    return MaakControl<QCheckBox>(parent, name, caption);
}

QWidget* row(QWidget* parent, const QList<QWidget*>& widgets)
{
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return box;
}

template <typename W, typename V>
void showValue(W* widget, const V& value)
{
    if (widget->value() != value)
        widget->setValue(value);
}

void showChecked(QCheckBox* box, bool on) { box->setChecked(on); }

// A memo grows with the lines typed into it, so that none is cut off
// unseen; the band still bounds it.
void growToLines(ReportObject& o)
{
    const double lineHeight = o.font.pointSize * 25.4 / 72 * 1.2;
    // In tenths of a millimetre, as a layout file is read.
    o.height = std::max(o.height, std::ceil((o.lines.size() * lineHeight + 1) * 10) / 10);
}

void showFormRows(QWidget* page, const QList<QWidget*>& rows, bool visible)
{
    auto* form = static_cast<QFormLayout*>(page->layout());
    for (QWidget* w : rows)
        form->setRowVisible(w, visible);
}
}  // namespace

DesignerProperties::DesignerProperties(DesignerScene& scene, QWidget* parent) : QWidget(parent), m_scene(scene)
{
    Pages = MaakControl<QStackedWidget>(this, QStringLiteral("Pages"));
    Pages->addWidget(makeObjectPage());
    Pages->addWidget(makeBandPage());
    Pages->addWidget(makePagePage());
    auto* several = new QLabel(QStringLiteral("Meerdere objecten gekozen.\nVersleep ze samen, of kies er "
                                              "een om zijn eigenschappen te zien."),
                               this);
    several->setWordWrap(true);
    several->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Pages->addWidget(several);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Pages);

    connect(&m_scene, &QGraphicsScene::selectionChanged, this, &DesignerProperties::refresh);
    connect(&m_scene.document(), &DesignerDocument::changed, this, &DesignerProperties::refresh);
    refresh();
}

QWidget* DesignerProperties::makeObjectPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    ObjectLbl = new QLabel(page);
    QFont bold = ObjectLbl->font();
    bold.setBold(true);
    ObjectLbl->setFont(bold);
    form->addRow(ObjectLbl);

    TekstEdit = MaakControl<QPlainTextEdit>(page, QStringLiteral("TekstEdit"));
    TekstEdit->setTabChangesFocus(true);
    // A line here is a line of the memo; the memo wraps it when printed.
    TekstEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    TekstEdit->setMinimumHeight(110);
    TekstEdit->setToolTip(
        QStringLiteral("Eén regel per regel van de tekst. Een veld uit de lijst links staat "
                       "tussen [ ] en wordt bij het afdrukken ingevuld."));
    form->addRow(QStringLiteral("&Tekst:"), TekstEdit);
    connect(TekstEdit, &QPlainTextEdit::textChanged, this, [this] {
        editObject(QStringLiteral("tekst"), [this](ReportObject& o) {
            o.lines = TekstEdit->toPlainText().split(QLatin1Char('\n'));
            growToLines(o);
        });
    });

    LettertypeBox = MaakControl<QFontComboBox>(page, QStringLiteral("LettertypeBox"));
    form->addRow(QStringLiteral("&Lettertype:"), LettertypeBox);
    connect(LettertypeBox, &QFontComboBox::currentFontChanged, this, [this](const QFont& f) {
        editObject(QStringLiteral("lettertype"), [&](ReportObject& o) { o.font.family = f.family(); });
    });
    GrootteEdit = MaakControl<QDoubleSpinBox>(page, QStringLiteral("GrootteEdit"));
    GrootteEdit->setRange(4, 96);
    GrootteEdit->setDecimals(1);
    GrootteEdit->setSuffix(QStringLiteral(" pt"));
    GrootteEdit->setKeyboardTracking(false);
    VetBox = checkBox(page, QStringLiteral("VetBox"), QStringLiteral("&Vet"));
    CursiefBox = checkBox(page, QStringLiteral("CursiefBox"), QStringLiteral("C&ursief"));
    OnderstreeptBox = checkBox(page, QStringLiteral("OnderstreeptBox"), QStringLiteral("O&nderstreept"));
    form->addRow(QStringLiteral("&Grootte:"), row(page, {GrootteEdit, VetBox, CursiefBox, OnderstreeptBox}));
    connect(GrootteEdit, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        editObject(QStringLiteral("grootte"), [&](ReportObject& o) {
            o.font.pointSize = v;
            growToLines(o);
        });
    });
    connect(VetBox, &QCheckBox::toggled, this,
            [this](bool on) { editObject({}, [&](ReportObject& o) { o.font.bold = on; }); });
    connect(CursiefBox, &QCheckBox::toggled, this,
            [this](bool on) { editObject({}, [&](ReportObject& o) { o.font.italic = on; }); });
    connect(OnderstreeptBox, &QCheckBox::toggled, this,
            [this](bool on) { editObject({}, [&](ReportObject& o) { o.font.underline = on; }); });

    UitlijningBox = MaakControl<QComboBox>(page, QStringLiteral("UitlijningBox"));
    UitlijningBox->addItems(
        {QStringLiteral("Links"), QStringLiteral("Midden"), QStringLiteral("Rechts"), QStringLiteral("Uitvullen")});
    VerticaalBox = MaakControl<QComboBox>(page, QStringLiteral("VerticaalBox"));
    VerticaalBox->addItems({QStringLiteral("Boven"), QStringLiteral("Midden"), QStringLiteral("Onder")});
    form->addRow(QStringLiteral("&Uitlijning:"), row(page, {UitlijningBox, VerticaalBox}));
    connect(UitlijningBox, &QComboBox::activated, this,
            [this](int i) { editObject({}, [&](ReportObject& o) { o.hAlign = HAlign(i); }); });
    connect(VerticaalBox, &QComboBox::activated, this,
            [this](int i) { editObject({}, [&](ReportObject& o) { o.vAlign = VAlign(i); }); });
    TerugloopBox = checkBox(page, QStringLiteral("TerugloopBox"), QStringLiteral("Lange regels &afbreken"));
    form->addRow(QString(), TerugloopBox);
    connect(TerugloopBox, &QCheckBox::toggled, this,
            [this](bool on) { editObject({}, [&](ReportObject& o) { o.wordWrap = on; }); });

    KaderLinksBox = checkBox(page, QStringLiteral("KaderLinksBox"), QStringLiteral("Links"));
    KaderBovenBox = checkBox(page, QStringLiteral("KaderBovenBox"), QStringLiteral("Boven"));
    KaderRechtsBox = checkBox(page, QStringLiteral("KaderRechtsBox"), QStringLiteral("Rechts"));
    KaderOnderBox = checkBox(page, QStringLiteral("KaderOnderBox"), QStringLiteral("Onder"));
    QWidget* frame = row(page, {KaderLinksBox, KaderBovenBox, KaderRechtsBox, KaderOnderBox});
    form->addRow(QStringLiteral("&Kader:"), frame);
    const std::pair<QCheckBox*, bool Frame::*> sides[] = {{KaderLinksBox, &Frame::left},
                                                          {KaderBovenBox, &Frame::top},
                                                          {KaderRechtsBox, &Frame::right},
                                                          {KaderOnderBox, &Frame::bottom}};
    for (const auto& [box, side] : sides)
        connect(box, &QCheckBox::toggled, this,
                [this, side = side](bool on) { editObject({}, [&](ReportObject& o) { o.frame.*side = on; }); });
    m_memoRows = {TekstEdit,    LettertypeBox, GrootteEdit->parentWidget(), UitlijningBox->parentWidget(),
                  TerugloopBox, frame};

    LinksEdit = lengthEdit(page, QStringLiteral("LinksEdit"), 1000);
    BovenEdit = lengthEdit(page, QStringLiteral("BovenEdit"), 1000);
    BreedteEdit = lengthEdit(page, QStringLiteral("BreedteEdit"), 1000);
    HoogteEdit = lengthEdit(page, QStringLiteral("HoogteEdit"), 1000);
    form->addRow(QStringLiteral("Links / boven:"), row(page, {LinksEdit, BovenEdit}));
    form->addRow(QStringLiteral("Breedte / hoogte:"), row(page, {BreedteEdit, HoogteEdit}));
    const std::pair<QDoubleSpinBox*, double ReportObject::*> lengths[] = {{LinksEdit, &ReportObject::x},
                                                                          {BovenEdit, &ReportObject::y},
                                                                          {BreedteEdit, &ReportObject::width},
                                                                          {HoogteEdit, &ReportObject::height}};
    for (const auto& [edit, member] : lengths)
        connect(edit, &QDoubleSpinBox::valueChanged, this, [this, member = member, edit = edit](double v) {
            editObject(edit->objectName(), [&](ReportObject& o) { o.*member = v; });
        });

    LijndikteEdit = lengthEdit(page, QStringLiteral("LijndikteEdit"), 10);
    LijndikteEdit->setDecimals(2);
    LijndikteEdit->setSingleStep(0.1);
    form->addRow(QStringLiteral("Lijn&dikte:"), LijndikteEdit);
    connect(LijndikteEdit, &QDoubleSpinBox::valueChanged, this,
            [this](double v) { editObject(QStringLiteral("lijndikte"), [&](ReportObject& o) { o.penWidth = v; }); });
    m_penRows = {LijndikteEdit};

    AfbeeldingBtn = MaakKnop(page, QStringLiteral("AfbeeldingBtn"), QStringLiteral("Afbeelding &kiezen..."));
    VerhoudingBox = checkBox(page, QStringLiteral("VerhoudingBox"), QStringLiteral("Verhouding behouden"));
    form->addRow(QStringLiteral("Afbeelding:"), AfbeeldingBtn);
    form->addRow(QString(), VerhoudingBox);
    connect(AfbeeldingBtn, &QPushButton::clicked, this, &DesignerProperties::chooseImage);
    connect(VerhoudingBox, &QCheckBox::toggled, this,
            [this](bool on) { editObject({}, [&](ReportObject& o) { o.keepAspect = on; }); });
    m_pictureRows = {AfbeeldingBtn, VerhoudingBox};
    return page;
}

QWidget* DesignerProperties::makeBandPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    BandLbl = new QLabel(page);
    QFont bold = BandLbl->font();
    bold.setBold(true);
    BandLbl->setFont(bold);
    form->addRow(BandLbl);
    DatasetBox = MaakControl<QComboBox>(page, QStringLiteral("DatasetBox"));
    DatasetBox->setToolTip(QStringLiteral("De band wordt eenmaal afgedrukt voor elke rij van deze dataset."));
    form->addRow(QStringLiteral("&Dataset:"), DatasetBox);
    connect(DatasetBox, &QComboBox::activated, this, [this](int i) {
        m_scene.document().setBandDataset(m_scene.page(), m_scene.selectedBand(), DatasetBox->itemData(i).toString());
    });
    BandHoogteEdit = lengthEdit(page, QStringLiteral("BandHoogteEdit"), 1000);
    form->addRow(QStringLiteral("&Hoogte:"), BandHoogteEdit);
    connect(BandHoogteEdit, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        if (!m_refreshing)
            m_scene.document().setBandHeight(m_scene.page(), m_scene.selectedBand(), v, QStringLiteral("hoogte"));
    });
    auto* hint = new QLabel(QStringLiteral("Sleep de onderrand van de band om hem hoger of lager te maken."), page);
    hint->setWordWrap(true);
    form->addRow(hint);
    return page;
}

QWidget* DesignerProperties::makePagePage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    auto* title = new QLabel(QStringLiteral("Pagina"), page);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    form->addRow(title);
    PapierBox = MaakControl<QComboBox>(page, QStringLiteral("PapierBox"));
    for (const PaperSize p : kPapers)
        PapierBox->addItem(paperSizeName(p));
    form->addRow(QStringLiteral("&Papier:"), PapierBox);
    connect(PapierBox, &QComboBox::activated, this,
            [this](int i) { editPage({}, [&](ReportPage& p) { p.paper = kPapers[i]; }); });
    RichtingBox = MaakControl<QComboBox>(page, QStringLiteral("RichtingBox"));
    RichtingBox->addItems({QStringLiteral("Staand"), QStringLiteral("Liggend")});
    form->addRow(QStringLiteral("&Richting:"), RichtingBox);
    connect(RichtingBox, &QComboBox::activated, this, [this](int i) {
        editPage({}, [&](ReportPage& p) { p.orientation = i == 0 ? Orientation::Portrait : Orientation::Landscape; });
    });
    MargeLinksEdit = lengthEdit(page, QStringLiteral("MargeLinksEdit"), 100);
    MargeBovenEdit = lengthEdit(page, QStringLiteral("MargeBovenEdit"), 100);
    MargeRechtsEdit = lengthEdit(page, QStringLiteral("MargeRechtsEdit"), 100);
    MargeOnderEdit = lengthEdit(page, QStringLiteral("MargeOnderEdit"), 100);
    form->addRow(QStringLiteral("Marge links / rechts:"), row(page, {MargeLinksEdit, MargeRechtsEdit}));
    form->addRow(QStringLiteral("Marge boven / onder:"), row(page, {MargeBovenEdit, MargeOnderEdit}));
    const std::pair<QDoubleSpinBox*, double Margins::*> margins[] = {{MargeLinksEdit, &Margins::left},
                                                                     {MargeBovenEdit, &Margins::top},
                                                                     {MargeRechtsEdit, &Margins::right},
                                                                     {MargeOnderEdit, &Margins::bottom}};
    for (const auto& [edit, member] : margins)
        connect(edit, &QDoubleSpinBox::valueChanged, this, [this, member = member, edit = edit](double v) {
            editPage(edit->objectName(), [&](ReportPage& p) { p.margins.*member = v; });
        });
    auto* hint = new QLabel(QStringLiteral("Kies een band of object op de pagina om zijn eigenschappen te zien."), page);
    hint->setWordWrap(true);
    form->addRow(hint);
    return page;
}

void DesignerProperties::setSources(const QList<DesignerSource>& sources)
{
    m_sources = sources;
    refresh();
}

void DesignerProperties::refresh()
{
    m_refreshing = true;
    const DesignerDocument& doc = m_scene.document();
    const QList<ObjectRef> objects = m_scene.selectedObjects();
    const int band = m_scene.selectedBand();
    const auto& pages = doc.layout().pages;
    if (objects.size() > 1) {
        Pages->setCurrentIndex(SeveralPage);
    } else if (objects.size() == 1 && doc.isValid(objects.first())) {
        Pages->setCurrentIndex(ObjectPage);
        refreshObject(doc.object(objects.first()));
    } else if (m_scene.page() < pages.size() && band >= 0 && band < pages[m_scene.page()].bands.size()) {
        Pages->setCurrentIndex(BandPage);
        refreshBand(pages[m_scene.page()].bands[band]);
    } else if (m_scene.page() < pages.size()) {
        Pages->setCurrentIndex(LayoutPage);
        refreshPage(pages[m_scene.page()]);
    }
    m_refreshing = false;
}

void DesignerProperties::refreshObject(const ReportObject& o)
{
    static const char* const kinds[] = {"Tekst", "Lijn", "Rechthoek", "Afbeelding", "QR-code"};
    ObjectLbl->setText(QString::fromUtf8(kinds[int(o.kind)]));
    QWidget* page = Pages->widget(ObjectPage);
    const bool memo = o.kind == ObjectKind::Memo;
    showFormRows(page, m_memoRows, memo);
    if (o.kind == ObjectKind::QrCode)  // only its text
        showFormRows(page, {m_memoRows.value(0)}, true);
    showFormRows(page, m_penRows, o.kind == ObjectKind::Line || o.kind == ObjectKind::Rectangle);
    showFormRows(page, m_pictureRows, o.kind == ObjectKind::Picture);
    const QString text = o.lines.join(QLatin1Char('\n'));
    // The field being typed in keeps its cursor: it already shows this text.
    if (TekstEdit->toPlainText() != text)
        TekstEdit->setPlainText(text);
    if (LettertypeBox->currentFont().family() != o.font.family)
        LettertypeBox->setCurrentFont(QFont(o.font.family));
    showValue(GrootteEdit, o.font.pointSize);
    showChecked(VetBox, o.font.bold);
    showChecked(CursiefBox, o.font.italic);
    showChecked(OnderstreeptBox, o.font.underline);
    UitlijningBox->setCurrentIndex(int(o.hAlign));
    VerticaalBox->setCurrentIndex(int(o.vAlign));
    showChecked(TerugloopBox, o.wordWrap);
    showChecked(KaderLinksBox, o.frame.left);
    showChecked(KaderBovenBox, o.frame.top);
    showChecked(KaderRechtsBox, o.frame.right);
    showChecked(KaderOnderBox, o.frame.bottom);
    showValue(LinksEdit, o.x);
    showValue(BovenEdit, o.y);
    showValue(BreedteEdit, o.width);
    showValue(HoogteEdit, o.height);
    showValue(LijndikteEdit, o.penWidth);
    showChecked(VerhoudingBox, o.keepAspect);
}

void DesignerProperties::refreshBand(const Band& b)
{
    const bool data = b.kind == BandKind::MasterData || b.kind == BandKind::DetailData;
    BandLbl->setText(QStringLiteral("Band: ") + bandKindCaption(b.kind));
    DatasetBox->clear();
    DatasetBox->addItem(QStringLiteral("(geen: eenmaal afdrukken)"), QString());
    for (const auto& s : m_sources)
        if (s.walkable)
            DatasetBox->addItem(s.name, s.name);
    // A dataset the caller does not offer (now) stays visible and chosen.
    if (!b.dataset.isEmpty() && DatasetBox->findData(b.dataset) < 0)
        DatasetBox->addItem(b.dataset, b.dataset);
    DatasetBox->setCurrentIndex(DatasetBox->findData(b.dataset));
    DatasetBox->setEnabled(data || !b.dataset.isEmpty());
    showValue(BandHoogteEdit, b.height);
}

void DesignerProperties::refreshPage(const ReportPage& p)
{
    int paper = 0;
    for (int i = 0; i < int(std::size(kPapers)); ++i)
        if (kPapers[i] == p.paper)
            paper = i;
    PapierBox->setCurrentIndex(paper);
    RichtingBox->setCurrentIndex(p.orientation == Orientation::Portrait ? 0 : 1);
    showValue(MargeLinksEdit, p.margins.left);
    showValue(MargeBovenEdit, p.margins.top);
    showValue(MargeRechtsEdit, p.margins.right);
    showValue(MargeOnderEdit, p.margins.bottom);
}

void DesignerProperties::editObject(const QString& key, const std::function<void(ReportObject&)>& change)
{
    const QList<ObjectRef> objects = m_scene.selectedObjects();
    DesignerDocument& doc = m_scene.document();
    if (m_refreshing || objects.size() != 1 || !doc.isValid(objects.first()))
        return;
    ReportObject o = doc.object(objects.first());
    change(o);
    doc.changeObject(objects.first(), o, key);
}

void DesignerProperties::editPage(const QString& key, const std::function<void(ReportPage&)>& change)
{
    DesignerDocument& doc = m_scene.document();
    if (m_refreshing || m_scene.page() >= doc.layout().pages.size())
        return;
    ReportPage p = doc.layout().pages[m_scene.page()];
    change(p);
    doc.setPageSetup(m_scene.page(), p, key);
}

bool DesignerProperties::insertIntoText(const QString& expression)
{
    const QList<ObjectRef> objects = m_scene.selectedObjects();
    if (objects.size() != 1 || !m_scene.document().isValid(objects.first())
        || m_scene.document().object(objects.first()).kind != ObjectKind::Memo)
        return false;
    TekstEdit->insertPlainText(expression);
    TekstEdit->setFocus();
    return true;
}

bool chooseImageFile(QWidget* parent, QByteArray& bytes)
{
    const QString path = QFileDialog::getOpenFileName(parent, QStringLiteral("Afbeelding kiezen"), QString(),
                                                      QStringLiteral("Afbeeldingen (*.png *.jpg *.jpeg)"));
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (QImage::fromData(bytes).isNull()) {
        ToonMelding(mFout, QStringLiteral("Het bestand \"%1\" is geen afbeelding die gelezen kan worden.").arg(path));
        return false;
    }
    return true;
}

void DesignerProperties::chooseImage()
{
    QByteArray bytes;
    if (chooseImageFile(this, bytes))
        editObject({}, [&](ReportObject& o) { o.image = bytes; });
}

}  // namespace report
