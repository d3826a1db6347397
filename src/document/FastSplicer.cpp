#include "document/FastSplicer.h"

#include "document/IcuRegex.h"
#include "document/ReferenceSplicer.h"
#include "document/SplicePatterns.h"
#include "document/SpliceVerifier.h"
#include "document/UnitSplice.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Groups = std::vector<IcuRegex::Range>;

constexpr QStringView unitOpen = u"<trans-unit";
constexpr QStringView idOpen = u"<trans-unit id=\"";
constexpr QStringView tagClose = u"\" xml:space=\"preserve\">";

/// Every `<trans-unit` in the text, and the start tags of the one form the patterns
/// accept, chained by the id as the file writes it.
struct TagIndex
{
    struct Tag
    {
        qsizetype position;
        qsizetype next; ///< the next tag with the same id, or -1
    };

    std::vector<qsizetype> units;
    std::vector<Tag> tags;
    QHash<QStringView, std::pair<qsizetype, qsizetype>> byId; ///< first and last tag

    explicit TagIndex(const QString &text)
    {
        const QStringView view(text);
        for (qsizetype at = view.indexOf(u'<'); at >= 0; at = view.indexOf(u'<', at + 1)) {
            if (!view.sliced(at).startsWith(unitOpen))
                continue;
            units.push_back(at);
            if (!view.sliced(at).startsWith(idOpen))
                continue;
            const qsizetype idBegin = at + idOpen.size();
            const qsizetype quote = text.indexOf(u'"', idBegin);
            if (quote < 0 || !view.sliced(quote).startsWith(tagClose))
                continue;
            const qsizetype tag = qsizetype(tags.size());
            tags.push_back({at, -1});
            const QStringView id = view.sliced(idBegin, quote - idBegin);
            const auto entry = byId.find(id);
            if (entry == byId.end()) {
                byId.insert(id, {tag, tag});
                continue;
            }
            tags[size_t(entry->second)].next = tag;
            entry->second = tag;
        }
    }

    /// The start tags of an id, in text order.
    std::vector<qsizetype> positionsOf(QStringView id) const
    {
        std::vector<qsizetype> positions;
        const auto entry = byId.constFind(id);
        for (qsizetype t = entry == byId.cend() ? -1 : entry->first; t >= 0;
             t = tags[size_t(t)].next)
            positions.push_back(tags[size_t(t)].position);
        return positions;
    }

    /// Where matching from the tag at `at` must stop: the next unit's start.
    qsizetype limitAfter(const QString &text, qsizetype at) const
    {
        const auto next = std::ranges::upper_bound(units, at);
        return next == units.end() ? text.size() : *next;
    }
};

enum class Step
{
    Done,
    TimedOut,
    Unsure
};

struct Matcher
{
    const QString &text;
    const TagIndex &index;
    IcuRegex insertion{SplicePatterns::insertionTail().toString()};
    IcuRegex update{SplicePatterns::updateTail().toString()};

    /// Like a whole-text search for the row's pattern, but only at the id's start tags.
    IcuRegex::Outcome find(IcuRegex &regex, const std::vector<qsizetype> &tags, int occurrence,
                           qsizetype tagLength, Groups &groups, bool *unsure)
    {
        for (size_t k = occurrence < 0 ? 0 : size_t(occurrence); k < tags.size(); ++k) {
            bool hitEnd = false;
            const auto outcome = regex.matchAt(text, tags[k] + tagLength, groups,
                                               index.limitAfter(text, tags[k]), &hitEnd);
            if (hitEnd) {
                *unsure = true;
                return IcuRegex::Outcome::NoMatch;
            }
            if (outcome != IcuRegex::Outcome::NoMatch || occurrence >= 0)
                return outcome;
        }
        return IcuRegex::Outcome::NoMatch;
    }

    Step row(const UnitRecord &row, int occurrence, std::vector<TextEdit> &edits)
    {
        const QString id = SplicePatterns::flip(*row.name);
        const std::vector<qsizetype> tags = index.positionsOf(id);
        if (tags.empty() || (occurrence >= 0 && size_t(occurrence) >= tags.size()))
            return Step::Done;
        const qsizetype tagLength = idOpen.size() + id.size() + tagClose.size();
        Groups groups;
        bool unsure = false;
        auto outcome = find(insertion, tags, occurrence, tagLength, groups, &unsure);
        if (outcome == IcuRegex::Outcome::Matched) {
            if (auto edit = UnitSplice::insertion(groups, row))
                edits.push_back(std::move(*edit));
        } else if (outcome == IcuRegex::Outcome::NoMatch && !unsure) {
            outcome = find(update, tags, occurrence, tagLength, groups, &unsure);
            if (outcome == IcuRegex::Outcome::Matched) {
                for (TextEdit &edit : UnitSplice::update(text, groups, row))
                    edits.push_back(std::move(edit));
            }
        }
        if (unsure)
            return Step::Unsure;
        return outcome == IcuRegex::Outcome::TimedOut ? Step::TimedOut : Step::Done;
    }
};

/// For rows whose id occurs more than once: which occurrence of the id (by position in
/// the file) is the row's own unit. -1 for rows with a unique id.
std::vector<int> occurrences(std::span<const UnitRecord> rows)
{
    QHash<QStringView, int> counts;
    counts.reserve(qsizetype(rows.size()));
    for (const UnitRecord &row : rows) {
        if (row.name)
            ++counts[QStringView(*row.name)];
    }
    std::vector<size_t> repeated;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name && counts.value(QStringView(*rows[i].name)) > 1)
            repeated.push_back(i);
    }
    std::ranges::sort(repeated, [&](size_t a, size_t b) {
        const int order = QStringView(*rows[a].name).compare(QStringView(*rows[b].name));
        return order != 0 ? order < 0 : rows[a].port < rows[b].port;
    });
    std::vector<int> occurrence(rows.size(), -1);
    for (size_t k = 0; k < repeated.size(); ++k) {
        const bool continues = k > 0 && *rows[repeated[k]].name == *rows[repeated[k - 1]].name;
        occurrence[repeated[k]] = continues ? occurrence[repeated[k - 1]] + 1 : 0;
    }
    return occurrence;
}

bool overlapping(const std::vector<TextEdit> &edits)
{
    for (size_t i = 1; i < edits.size(); ++i) {
        if (edits[i].start < edits[i - 1].start + edits[i - 1].length)
            return true;
    }
    return false;
}

QString applied(const QString &text, const std::vector<TextEdit> &edits)
{
    qsizetype grows = 0;
    for (const TextEdit &edit : edits)
        grows += edit.replacement.size() - edit.length;
    QString out;
    out.reserve(text.size() + std::max<qsizetype>(grows, 0));
    qsizetype at = 0;
    for (const TextEdit &edit : edits) {
        out += QStringView(text).sliced(at, edit.start - at);
        out += edit.replacement;
        at = edit.start + edit.length;
    }
    out += QStringView(text).sliced(at);
    return out;
}

} // namespace

SpliceResult FastSplicer::splice(const QString &fileText, std::span<const UnitRecord> rows)
{
    const TagIndex index(fileText);
    Matcher matcher{fileText, index};
    const std::vector<int> occurrence = occurrences(rows);
    std::vector<TextEdit> edits;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].name)
            continue;
        const Step step = matcher.row(rows[i], occurrence[i], edits);
        if (step == Step::Unsure)
            return ReferenceSplicer::splice(fileText, rows);
        if (step == Step::TimedOut) {
            SpliceResult result;
            result.errorString =
                QCoreApplication::translate("FastSplicer", "matching the unit \"%1\" took too long")
                    .arg(*rows[i].name);
            return result;
        }
    }
    std::ranges::stable_sort(edits, {}, &TextEdit::start);
    if (overlapping(edits))
        return ReferenceSplicer::splice(fileText, rows);
    return SpliceVerifier::verify(applied(fileText, edits), rows);
}
