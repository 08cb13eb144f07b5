#include "DesignerFieldList.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

namespace report {

namespace {
constexpr int kExpressionRole = Qt::UserRole + 1;

struct BuiltIn {
    const char* caption;
    const char* expression;
};
const BuiltIn kBuiltIns[] = {
    {"Datum van vandaag", "[Date]"},
    {"Datum voluit (12 maart 2004)", "[Date #d MMMM yyyy]"},
    {"Tijd", "[Time]"},
    {"Paginanummer", "[Page]"},
    {"Aantal pagina's", "[Pages]"},
};

QTreeWidgetItem* heading(QTreeWidget* tree, const QString& caption)
{
    auto* item = new QTreeWidgetItem(tree, {caption});
    QFont font = item->font(0);
    font.setBold(true);
    item->setFont(0, font);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QTreeWidgetItem* entry(QTreeWidgetItem* parent, const QString& caption, const QString& expression)
{
    auto* item = new QTreeWidgetItem(parent, {caption});
    item->setData(0, kExpressionRole, expression);
    item->setToolTip(0, expression);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    return item;
}

void addSources(QTreeWidgetItem* parent, const QList<DesignerSource>& sources, bool walkable)
{
    for (const auto& source : sources) {
        if (source.walkable != walkable)
            continue;
        auto* item = new QTreeWidgetItem(parent, {source.name});
        item->setFlags(Qt::ItemIsEnabled);
        for (const auto& field : source.fields)
            entry(item, field, fieldExpression(source.name, field));
    }
}
}  // namespace

QString fieldExpression(const QString& source, const QString& field)
{
    return QStringLiteral("[%1.\"%2\"]").arg(source, field);
}

QString variableExpression(const QString& name) { return QStringLiteral("[%1]").arg(name); }

DesignerFieldList::DesignerFieldList(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One table open at a time keeps its fields in sight.
    connect(this, &QTreeWidget::itemExpanded, this, [](QTreeWidgetItem* item) {
        QTreeWidgetItem* parent = item->parent();
        if (!parent || parent->parent())
            return;
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i) != item)
                parent->child(i)->setExpanded(false);
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const QString expression = item->data(0, kExpressionRole).toString();
        if (!expression.isEmpty())
            Q_EMIT insertRequested(expression);
    });
}

void DesignerFieldList::fill(const QList<DesignerSource>& sources, const QList<VariableCategory>& variables)
{
    clear();
    addSources(heading(this, QStringLiteral("Datasets")), sources, true);
    addSources(heading(this, QStringLiteral("Tabellen")), sources, false);
    QTreeWidgetItem* vars = heading(this, QStringLiteral("Variabelen"));
    for (const auto& category : variables) {
        auto* item = new QTreeWidgetItem(vars, {category.name});
        item->setFlags(Qt::ItemIsEnabled);
        for (const auto& variable : category.variables)
            entry(item, variable.name, variableExpression(variable.name));
    }
    QTreeWidgetItem* system = heading(this, QStringLiteral("Systeem"));
    for (const auto& b : kBuiltIns)
        entry(system, QString::fromUtf8(b.caption), QString::fromUtf8(b.expression));
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setExpanded(true);
    vars->setExpanded(true);
    for (int i = 0; i < vars->childCount(); ++i)
        vars->child(i)->setExpanded(true);
}

QString DesignerFieldList::currentExpression() const
{
    return currentItem() ? currentItem()->data(0, kExpressionRole).toString() : QString();
}

QMimeData* DesignerFieldList::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    if (items.isEmpty() || items.first()->data(0, kExpressionRole).toString().isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setText(items.first()->data(0, kExpressionRole).toString());
    return data;
}

void DesignerFieldList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !currentExpression().isEmpty()) {
        Q_EMIT insertRequested(currentExpression());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

}  // namespace report
