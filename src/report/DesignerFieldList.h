#pragma once
// The field list of the designer: what the caller offers a layout (the report
// datasets a band may walk and the tables whose fields a memo may name, each
// with its fields), the variables of the layout and the values the engine
// knows of itself (date, page number). A double click or Enter asks for the
// expression to be put into the layout; a drag carries it onto the page.
#include "report/ReportLayout.h"

#include <QList>
#include <QStringList>
#include <QTreeWidget>

namespace report {

struct DesignerSource {
    QString name;
    QStringList fields;
    bool walkable = false;  // a report dataset: a band can walk its rows
    bool operator==(const DesignerSource&) const = default;
};

// The expression a memo holds for a field, a variable or a built-in value.
QString fieldExpression(const QString& source, const QString& field);
QString variableExpression(const QString& name);

class DesignerFieldList : public QTreeWidget {
    Q_OBJECT
public:
    explicit DesignerFieldList(QWidget* parent = nullptr);

    void fill(const QList<DesignerSource>& sources, const QList<VariableCategory>& variables);
    // The expression of the current item; empty on a heading.
    QString currentExpression() const;

Q_SIGNALS:
    void insertRequested(const QString& expression);

protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace report
