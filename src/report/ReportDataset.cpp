#include "ReportDataset.h"

namespace report {

Dataset* DatasetList::find(const QString& name) const
{
    for (Dataset* dataset : m_datasets)
        if (dataset->name().compare(name, Qt::CaseInsensitive) == 0)
            return dataset;
    return nullptr;
}

}  // namespace report
