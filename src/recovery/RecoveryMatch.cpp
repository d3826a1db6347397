#include "recovery/RecoveryMatch.h"

#include "xliff/MarkupText.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

using UnitKey = QString;

/// One text for the file, id and source; an absent value differs from an empty one.
UnitKey keyOf(const std::optional<QString> &from, const std::optional<QString> &name,
              const std::optional<QString> &srcs)
{
    UnitKey key;
    for (const std::optional<QString> *value : {&from, &name, &srcs}) {
        key += value->has_value() ? u'+' : u'-';
        key += value->value_or(QString());
        key += QChar(u'\0');
    }
    return key;
}

bool sameUnit(const JournalEntry &entry, const UnitRecord &row)
{
    return entry.from == row.from && entry.name == row.name && entry.srcs == row.srcs;
}

/// The last edit of each unit the journal names, in the order of the first edit.
std::vector<JournalEntry> newestPerUnit(std::span<const JournalEntry> entries)
{
    std::vector<JournalEntry> newest;
    QHash<std::pair<quint64, UnitKey>, std::size_t> seen;
    for (const JournalEntry &entry : entries) {
        const auto key = std::make_pair(entry.port, keyOf(entry.from, entry.name, entry.srcs));
        const auto found = seen.constFind(key);
        if (found != seen.constEnd()) {
            newest[*found] = entry;
            continue;
        }
        seen.insert(key, newest.size());
        newest.push_back(entry);
    }
    return newest;
}

} // namespace

std::optional<QString> RecoveryMatch::refusal(const JournalEntry &entry)
{
    const auto unwritable = [](const std::optional<QString> &text) -> std::optional<QString> {
        if (!text)
            return std::nullopt;
        const auto c = MarkupText::unwritableCharacter(*text);
        if (!c)
            return std::nullopt;
        return u"U+"_s + u"%1"_s.arg(uint(*c), 4, 16, QChar(u'0')).toUpper();
    };
    if (const auto code = unwritable(entry.tget))
        return tr("the target holds the character %1, which an XLIFF file cannot hold").arg(*code);
    if (const auto code = unwritable(entry.state))
        return tr("the state holds the character %1, which an XLIFF file cannot hold").arg(*code);
    return std::nullopt;
}

RecoveryMatch RecoveryMatch::of(std::span<const JournalEntry> entries,
                                std::span<const UnitRecord> rows)
{
    RecoveryMatch match;
    const std::vector<JournalEntry> newest = newestPerUnit(entries);
    // Built only when some unit has moved: the common case is a file that did not change.
    QHash<UnitKey, std::size_t> byUnit;
    QHash<UnitKey, int> repeats;
    const auto index = [&] {
        if (!byUnit.isEmpty() || rows.empty())
            return;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const UnitKey key = keyOf(rows[row].from, rows[row].name, rows[row].srcs);
            byUnit.insert(key, row);
            ++repeats[key];
        }
    };
    for (const JournalEntry &entry : newest) {
        if (std::optional<QString> reason = refusal(entry)) {
            match.refused.push_back({entry, std::move(*reason)});
            continue;
        }
        if (entry.port < rows.size() && sameUnit(entry, rows[entry.port])) {
            match.matched.push_back({static_cast<std::size_t>(entry.port), entry});
            continue;
        }
        index();
        const UnitKey key = keyOf(entry.from, entry.name, entry.srcs);
        if (repeats.value(key) == 1)
            match.matched.push_back({byUnit.value(key), entry});
        else
            match.unmatched.push_back(entry);
    }
    return match;
}
