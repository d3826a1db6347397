#include "catalog/CatalogState.h"

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// (catalog, record) pairs that differ; every other state is the same word in both.
const std::array<std::pair<QStringView, QStringView>, 2> renamed{{
    {u"needs_review", u"needs-review-l10n"},
    {u"machine_translated", u"needs-review-translation"},
}};

} // namespace

QString CatalogState::toRecord(const QString &catalogState)
{
    for (const auto &[catalog, record] : renamed) {
        if (catalogState == catalog)
            return record.toString();
    }
    return catalogState;
}

QString CatalogState::toCatalog(const QString &recordState)
{
    for (const auto &[catalog, record] : renamed) {
        if (recordState == record)
            return catalog.toString();
    }
    return recordState;
}
