#include "document/FastSplicer.h"

#include "document/IcuRegex.h"
#include "document/OwnTags.h"
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
        byId.reserve(text.size() / 256);
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
    UnitValues before{text};
    IcuRegex insertion{SplicePatterns::insertionTail().toString()};
    IcuRegex update{SplicePatterns::updateTail().toString()};

    /// Like a whole-text search for the row's pattern, but only at the given start tags.
    IcuRegex::Outcome find(IcuRegex &regex, const std::vector<qsizetype> &tags, qsizetype tagLength,
                           Groups &groups, bool *unsure)
    {
        for (const qsizetype tag : tags) {
            bool hitEnd = false;
            const auto outcome =
                regex.matchAt(text, tag + tagLength, groups, index.limitAfter(text, tag), &hitEnd);
            if (hitEnd) {
                *unsure = true;
                return IcuRegex::Outcome::NoMatch;
            }
            if (outcome != IcuRegex::Outcome::NoMatch)
                return outcome;
        }
        return IcuRegex::Outcome::NoMatch;
    }

    /// Writes one row; `ownTag` is where its unit's start tag stands when its id repeats.
    Step row(const UnitRecord &row, qsizetype ownTag, std::vector<TextEdit> &edits)
    {
        if (ownTag == OwnTags::unreachable)
            return Step::Done;
        const QString id = SplicePatterns::flip(*row.name);
        const std::vector<qsizetype> tags =
            ownTag == OwnTags::searchAll ? index.positionsOf(id) : std::vector{ownTag};
        if (tags.empty())
            return Step::Done;
        const qsizetype tagLength = idOpen.size() + id.size() + tagClose.size();
        Groups groups;
        bool unsure = false;
        auto outcome = find(insertion, tags, tagLength, groups, &unsure);
        if (outcome == IcuRegex::Outcome::Matched) {
            if (auto edit = UnitSplice::insertion(groups, row))
                edits.push_back(std::move(*edit));
        } else if (outcome == IcuRegex::Outcome::NoMatch && !unsure) {
            outcome = find(update, tags, tagLength, groups, &unsure);
            if (outcome == IcuRegex::Outcome::Matched) {
                for (TextEdit &edit : UnitSplice::update(text, groups, row, before))
                    edits.push_back(std::move(edit));
            }
        }
        if (unsure)
            return Step::Unsure;
        return outcome == IcuRegex::Outcome::TimedOut ? Step::TimedOut : Step::Done;
    }
};

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

SpliceResult FastSplicer::splice(QString fileText, std::span<const UnitRecord> rows)
{
    const TagIndex index(fileText);
    Matcher matcher{fileText, index};
    const std::vector<qsizetype> ownTags = OwnTags::find(fileText, rows);
    std::vector<TextEdit> edits;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].name)
            continue;
        const Step step = matcher.row(rows[i], ownTags[i], edits);
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
    QString spliced = applied(fileText, edits);
    edits = {};
    fileText = QString();
    return SpliceVerifier::verify(std::move(spliced), rows);
}
