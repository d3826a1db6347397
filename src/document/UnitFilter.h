#pragma once

#include "document/UnitRecord.h"

#include <QString>
#include <QStringMatcher>

#include <optional>

/// Which units a translator wants to see: a text found in the source, target, ID or note
/// (ignoring case), a translation status, and the `<file>` they belong to.
class UnitFilter
{
public:
    enum class Status
    {
        All,
        Untranslated,
        Translated,
        NeedsReview,
        NotToTranslate,
        WithProblems ///< decided by the checks, which the window's filter asks
    };

    QString text;
    Status status = Status::All;
    /// The `original` of the file to show; absent: every file.
    std::optional<QString> file;

    /// True when the filter shows every unit.
    bool isEmpty() const { return text.isEmpty() && status == Status::All && !file; }

    bool accepts(const UnitRecord &unit) const;
    bool acceptsStatus(const UnitRecord &unit) const;
    bool acceptsText(const UnitRecord &unit) const;

    bool operator==(const UnitFilter &other) const
    {
        return text == other.text && status == other.status && file == other.file;
    }

private:
    /// The search for `text`, prepared once for all the units it is run over.
    const QStringMatcher &matcher() const;

    mutable QStringMatcher m_matcher{QString(), Qt::CaseInsensitive};
};
