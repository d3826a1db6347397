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

enum class Step
{
    Done,
    TimedOut,
    Unsure
};

struct Matcher
{
    const QString &text;
    const std::vector<qsizetype> &units; ///< every unit's start tag, in order
    UnitValues before{text};
    IcuRegex insertion{SplicePatterns::insertionTail().toString()};
    IcuRegex update{SplicePatterns::updateTail().toString()};

    /// The pattern matched right after the unit's start tag, kept from running into the
    /// next unit; `unsure` when it reached that limit, where the text beyond could decide.
    IcuRegex::Outcome matchAfterTag(IcuRegex &regex, qsizetype tag, qsizetype tagLength,
                                    Groups &groups, bool *unsure)
    {
        bool hitEnd = false;
        const auto next = std::ranges::upper_bound(units, tag);
        const qsizetype limit = next == units.end() ? text.size() : *next;
        const auto outcome = regex.matchAt(text, tag + tagLength, groups, limit, &hitEnd);
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
    const OwnTags::Found own = OwnTags::find(fileText, rows);
    Matcher matcher{fileText, own.units};
    std::vector<TextEdit> edits;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].name)
            continue;
        const Step step = matcher.row(rows[i], own.rows[i], edits);
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
