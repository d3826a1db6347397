#include "splice/ReferenceSplicer.h"

#include "files/DocumentFile.h"
#include "splice/IcuRegex.h"
#include "splice/OwnTags.h"
#include "splice/SplicePatterns.h"
#include "splice/SpliceVerifier.h"
#include "splice/UnitSplice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>

namespace {

using Groups = std::vector<IcuRegex::Range>;

constexpr int unreachable = -1;

/// Which literal occurrence of its id's start tag is each row's own unit (edits never add
/// or remove start tags, so the count holds while the text changes); `unreachable` when the
/// row has none of its own.
std::vector<int> occurrences(QByteArrayView bytes, std::span<const UnitRecord> rows)
{
    // One pass numbers every start tag of the accepted form among those of its id.
    static constexpr QByteArrayView open = "<trans-unit id=\"";
    static constexpr QByteArrayView close = "\" xml:space=\"preserve\">";
    QHash<QByteArrayView, int> seen;
    QHash<qsizetype, int> ordinal;
    for (qsizetype at = bytes.indexOf(open); at >= 0; at = bytes.indexOf(open, at + 1)) {
        const qsizetype idBegin = at + open.size();
        const qsizetype quote = bytes.indexOf('"', idBegin);
        if (quote >= 0 && bytes.sliced(quote).startsWith(close))
            ordinal.insert(at, seen[bytes.sliced(idBegin, quote - idBegin)]++);
    }
    const std::vector<qsizetype> own = OwnTags::find(bytes, rows).rows;
    std::vector<int> occurrence(rows.size(), unreachable);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (own[i] != OwnTags::unreachable)
            occurrence[i] = ordinal.value(own[i], unreachable);
    }
    return occurrence;
}

/// Matches the pattern at the given occurrence of the literal start tag only.
IcuRegex::Outcome matchOwn(IcuRegex &regex, const QString &text, const QString &tag, int occurrence,
                           Groups &groups)
{
    qsizetype at = text.indexOf(tag);
    for (int k = 0; at >= 0 && k < occurrence; ++k)
        at = text.indexOf(tag, at + 1);
    if (at < 0)
        return IcuRegex::Outcome::NoMatch;
    return regex.matchAt(text, at, groups);
}

/// Writes one row; false when a match ran out of time.
bool spliceRow(QString &text, const UnitRecord &row, int occurrence, UnitValues &before)
{
    const QString &name = *row.name;
    const QString tag = SplicePatterns::startTag(name);
    IcuRegex insertion(SplicePatterns::insertionPattern(name));
    IcuRegex update(SplicePatterns::updatePattern(name));
    Groups groups;
    auto outcome = matchOwn(insertion, text, tag, occurrence, groups);
    if (outcome == IcuRegex::Outcome::Matched) {
        if (const auto edit = UnitSplice::insertion(groups, row))
            text = UnitSplice::applied(text, {*edit});
        return true;
    }
    if (outcome == IcuRegex::Outcome::NoMatch)
        outcome = matchOwn(update, text, tag, occurrence, groups);
    if (outcome == IcuRegex::Outcome::Matched)
        text = UnitSplice::applied(text, UnitSplice::update(text, groups, row, before));
    return outcome != IcuRegex::Outcome::TimedOut;
}

} // namespace

SpliceResult ReferenceSplicer::splice(const QString &fileText, std::span<const UnitRecord> rows,
                                      qint64 budget)
{
    QString text = fileText;
    const QByteArray fileBytes = DocumentFile::encodeUtf8(fileText);
    const std::vector<int> occurrence = occurrences(fileBytes, rows);
    // Each match has its own limit, but a hostile file can make every one of many rows
    // nearly reach it; the whole splice has a budget too.
    const QDeadlineTimer deadline(budget);
    UnitValues before(fileBytes);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].name || occurrence[i] == unreachable)
            continue;
        if (deadline.hasExpired() || !spliceRow(text, rows[i], occurrence[i], before)) {
            SpliceResult result;
            result.errorString = QCoreApplication::translate(
                                     "ReferenceSplicer", "matching the unit \"%1\" took too long")
                                     .arg(*rows[i].name);
            return result;
        }
    }
    return SpliceVerifier::verify(DocumentFile::encodeUtf8(text), rows);
}
