#include "ReportDataset.h"

namespace report {

int Dataset::fieldIndex(const QString& field) const
{
    const QStringList names = fieldNames();
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Dataset* DatasetList::find(const QString& name) const
{
    for (Dataset* dataset : m_datasets)
        if (dataset->name().compare(name, Qt::CaseInsensitive) == 0)
            return dataset;
    return nullptr;
}

}  // namespace report
