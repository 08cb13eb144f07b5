#pragma once
// The report component: holds one layout, the datasets and variable values
// it is offered, and the pages it prepared from them; previews and prints
// those pages.
//
// A run: load (or set) a layout, prepare, then preview or print the prepared
// pages. Everything is synchronous; the caller may close its datasets as
// soon as a call returns.
#include "report/PageSink.h"
#include "report/ReportDataset.h"
#include "report/ReportLayout.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QPainter;
class QWidget;

namespace report {

// One object placed on a prepared page: its source in the layout (for its
// style and size) at a position in mm from the paper's top-left corner, with
// a memo's text already filled in.
struct PreparedObject {
    const ReportObject* source = nullptr;
    QPointF position;
    QString text;
};

// The paper of a page as printers take it (full page, no margins: the
// layout's margins are already in the object positions).
QPageLayout pageLayoutOf(const ReportPage& page);

// How a memo's text stands in its box, as the page draws it (and the designer).
Qt::Alignment alignmentOf(const ReportObject& memo);

class PageStore;

// A laid-out page, held compactly because a long report keeps thousands of
// them for the preview: each placed band is its layout band and its top, and
// of each memo only the text it got, all texts of the page in one string.
// A finished page moves to the report's page store, so that what a long
// report holds in memory does not grow with its pages. objects() unfolds
// the page for drawing.
class PreparedPage {
public:
    explicit PreparedPage(const ReportPage* paper = nullptr) : page(paper) {}

    const ReportPage* page = nullptr;  // paper, orientation, margins

    // Places `band` (one of the bands of `page`) with its top at `y` mm;
    // texts are its memos' texts in the band's object order.
    void addBand(const Band& band, double y, const QStringList& texts);
    QList<PreparedObject> objects() const;
    // The page is complete: it goes to `store`, or, where the store cannot
    // take it, stays in memory without what growing took.
    void finish(PageStore* store);

private:
    struct PlacedBand {
        int band;  // its place among the bands of the page
        double y;
        int firstText;
    };
    struct Content {
        QList<PlacedBand> bands;
        QString texts;
        QList<int> textEnds;  // where each memo's text ends in texts
    };
    Content m_content;
    PageStore* m_store = nullptr;
    qint64 m_stored = -1;  // where the page lies in the store; -1: in memory
};

class Report {
public:
    Report();
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // Replaces the layout completely and discards prepared pages. Throws
    // RapportFout when the file is missing or unreadable; the old layout is
    // kept then.
    void loadFromFile(const QString& path);
    void setLayout(ReportLayout layout);
    const ReportLayout& layout() const { return m_layout; }
    // No pages, no prepared pages (the variables are kept with the
    // component, as the designer lists them).
    void clear();
    // The file the layout was loaded from or last saved to in the designer;
    // empty after clear() or setLayout().
    const QString& fileName() const { return m_fileName; }

    // Opens the modal designer on the layout (an empty one gets a page). Its
    // field list offers every dataset of datasets() with its fields, of which
    // those named in bandDatasets are the ones a band can walk, and the
    // declared variables; its "Voorbeeld" previews the layout being designed
    // over the datasets as they are. Afterwards the component holds what the
    // user saved last (unchanged when nothing was saved). folder: where a
    // layout without a file is saved.
    void design(const QStringList& bandDatasets, const QString& folder = {}, QWidget* parent = nullptr);

    // The datasets that layouts may name (not owned).
    DatasetList& datasets() { return m_datasets; }

    // Variables the component declares itself: merged into every layout it
    // holds (a missing category or name is added), so the designer lists
    // them and saves them with the layout.
    void setDeclaredVariables(QList<VariableCategory> categories);

    // The text of a variable when the report runs; a value given here wins
    // over the expression stored in the layout, nullopt leaves it to that.
    using VariableLookup = std::function<std::optional<QString>(const QString& name)>;
    void setVariableLookup(VariableLookup lookup) { m_lookup = std::move(lookup); }

    // Called for every memo just before its expressions are evaluated, with
    // the memo's lines (which the hook may change) and the memo itself.
    using EnterRectHook = std::function<void(QStringList& lines, const ReportObject& memo)>;
    void setEnterRect(EnterRectHook hook) { m_enterRect = std::move(hook); }

    // Walks every band over its dataset and lays out pages. Throws RapportFout
    // (layout errors, unknown names) or any OrvelFout of the datasets; the
    // prepared pages are empty then. pageDone, when given, is called after
    // every page laid out with the number of pages complete; what it throws
    // stops the preparation (the pages are empty then too).
    using PageDone = std::function<void(int pagesDone)>;
    void prepare(const PageDone& pageDone = {});
    // The same, showing a failure to the user (through ToonMelding) instead
    // of throwing; false then.
    bool prepareShowingErrors();
    const QList<PreparedPage>& preparedPages() const { return m_pages; }
    int preparedPageCount() const { return int(m_pages.size()); }
    void clearPrepared() { m_pages.clear(); }

    // Draws prepared page `index` (from 0) on a painter whose device has the
    // paper's size; millimetres are converted with the device's resolution.
    void renderPage(QPainter& painter, int index) const;

    // Where prints go: a new sink per job. Without a factory the engine
    // prints to the system's default printer through QPrinter.
    using SinkFactory = std::function<std::unique_ptr<PageSink>(const QString& jobName)>;
    void setSinkFactory(SinkFactory factory) { m_sinkFactory = std::move(factory); }

    // Prints prepared pages first..last (from 1, inclusive, clamped to what
    // there is) with copies and collation, showing a progress window.
    // Returns false when the job failed or could not start.
    bool printPreparedPages(int firstPage, int lastPage, int copies, bool collate, QWidget* parent = nullptr);
    // Writes every prepared page to one PDF file; false (the user told) when
    // it cannot.
    bool exportPdf(const QString& file) const;

    // Shows the preview of the prepared pages modally; they are discarded
    // when the window closes.
    void showPreparedPreview(QWidget* parent = nullptr);
    // Prepares and shows the preview modally: the window opens on the first
    // page while the others are laid out, and closing it stops that work.
    // When preparing fails the error is shown (through ToonMelding) and the
    // window closes.
    void showPreview(QWidget* parent = nullptr);

    // Evaluates the [bracketed expressions] of one line against the current
    // rows, as prepare does (page numbers are those of the page being laid
    // out). Throws RapportFout for an unknown name.
    QString evaluate(const QString& line) const;

private:
    friend class Preparation;
    // One line read once: its literal text and its expressions resolved to
    // what they read, so a band printed on every row does not parse again.
    struct Piece;
    using CompiledLine = QList<Piece>;
    CompiledLine compile(const QString& line) const;
    Piece compileExpression(const QString& expression) const;
    QString run(const CompiledLine& line, int depth) const;
    QString pieceText(const Piece& piece, int depth) const;
    void mergeDeclaredVariables();
    QString evaluate(const QString& line, int depth) const;

    ReportLayout m_layout;
    QString m_fileName;
    DatasetList m_datasets;
    QList<VariableCategory> m_declared;
    VariableLookup m_lookup;
    EnterRectHook m_enterRect;
    SinkFactory m_sinkFactory;
    QList<PreparedPage> m_pages;
    std::unique_ptr<PageStore> m_store;  // of m_pages, emptied with them
    PageDone m_pageDone;                 // while preparing
    int m_currentPage = 0;
};

}  // namespace report
