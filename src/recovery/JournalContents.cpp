#include "recovery/JournalContents.h"

#include <algorithm>

QDateTime JournalContents::lastEdit() const
{
    if (entries.empty())
        return {};
    const auto newest = std::max_element(
        entries.begin(), entries.end(),
        [](const JournalEntry &a, const JournalEntry &b) { return a.time < b.time; });
    return QDateTime::fromMSecsSinceEpoch(newest->time, Qt::UTC);
}
