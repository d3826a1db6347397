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

/// Where every `<trans-unit` stands, so a match can be kept from running into the next.
struct UnitIndex
{
    std::vector<qsizetype> units;

    explicit UnitIndex(const QString &text)
    {
        const QStringView view(text);
        for (qsizetype at = view.indexOf(u'<'); at >= 0; at = view.indexOf(u'<', at + 1)) {
            if (view.sliced(at).startsWith(unitOpen))
                units.push_back(at);
        }
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
    const UnitIndex &index;
    UnitValues before{text};
    IcuRegex insertion{SplicePatterns::insertionTail().toString()};
    IcuRegex update{SplicePatterns::updateTail().toString()};

    /// The pattern matched right after the unit's start tag, kept from running into the
    /// next unit; `unsure` when it reached that limit, where the text beyond could decide.
    IcuRegex::Outcome matchAfterTag(IcuRegex &regex, qsizetype tag, qsizetype tagLength,
                                    Groups &groups, bool *unsure)
    {
        bool hitEnd = false;
        const auto outcome =
            regex.matchAt(text, tag + tagLength, groups, index.limitAfter(text, tag), &hitEnd);
        *unsure = hitEnd;
        return hitEnd ? IcuRegex::Outcome::NoMatch : outcome;
    }

    /// Writes one row at its own unit's start tag.
    Step row(const UnitRecord &row, qsizetype ownTag, std::vector<TextEdit> &edits)
    {
        if (ownTag == OwnTags::unreachable)
            return Step::Done;
        const qsizetype tagLength = SplicePatterns::startTag(*row.name).size();
        Groups groups;
        bool unsure = false;
        auto outcome = matchAfterTag(insertion, ownTag, tagLength, groups, &unsure);
        if (outcome == IcuRegex::Outcome::Matched) {
            if (auto edit = UnitSplice::insertion(groups, row))
                edits.push_back(std::move(*edit));
        } else if (outcome == IcuRegex::Outcome::NoMatch && !unsure) {
            outcome = matchAfterTag(update, ownTag, tagLength, groups, &unsure);
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

} // namespace

SpliceResult FastSplicer::splice(QString fileText, std::span<const UnitRecord> rows)
{
    const UnitIndex index(fileText);
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
    QString spliced = UnitSplice::applied(fileText, edits);
    edits = {};
    fileText = QString();
    return SpliceVerifier::verify(std::move(spliced), rows);
}
