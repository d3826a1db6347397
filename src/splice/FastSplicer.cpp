#include "splice/FastSplicer.h"

#include "files/DocumentFile.h"
#include "splice/IcuRegex.h"
#include "splice/OwnTags.h"
#include "splice/ReferenceSplicer.h"
#include "splice/SplicePatterns.h"
#include "splice/SpliceVerifier.h"
#include "splice/UnitMatcher.h"
#include "splice/UnitSplice.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <future>
#include <thread>

namespace {

using Groups = std::vector<IcuRegex::Range>;

enum class Step
{
    Done,
    TimedOut,
    Unsure
};

/// The number of UTF-8 bytes that encode the text.
qsizetype utf8Length(QStringView text)
{
    qsizetype bytes = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // A surrogate pair takes four bytes, two for each half.
        bytes += u < 0x80 ? 1 : (u < 0x800 || QChar::isSurrogate(u)) ? 2 : 3;
    }
    return bytes;
}

/// Matches one unit at a time: the bytes from the end of its start tag to the next unit's
/// start tag are decoded and the patterns run over that text alone, as they would over
/// the same stretch of the whole text with the match kept from running further.
struct Matcher
{
    QByteArrayView bytes;
    const std::vector<qsizetype> &units; ///< every unit's start tag, in order
    UnitValues before{bytes};
    IcuRegex insertion{SplicePatterns::insertionTail().toString()};
    IcuRegex update{SplicePatterns::updateTail().toString()};
    QString unit{}; ///< the current unit's text, its buffer reused from unit to unit
    QStringDecoder decoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};

    /// The pattern matched at the start of the unit's text; `unsure` when it reached the
    /// next unit, where the text beyond could decide.
    IcuRegex::Outcome matchUnit(IcuRegex &regex, Groups &groups, bool *unsure)
    {
        bool hitEnd = false;
        const auto outcome = regex.matchAt(unit, 0, groups, unit.size(), &hitEnd);
        *unsure = hitEnd;
        return hitEnd ? IcuRegex::Outcome::NoMatch : outcome;
    }

    void decodeUnit(QByteArrayView unitBytes)
    {
        unit.resize(decoder.requiredSpace(unitBytes.size()));
        QChar *const end = decoder.appendToBuffer(unit.data(), unitBytes);
        unit.truncate(end - unit.constData());
    }

    /// Moves edits made in the unit's text to byte positions in the file.
    void placeInFile(std::vector<TextEdit> &local, qsizetype unitStart, qsizetype unitBytes,
                     std::vector<TextEdit> &edits) const
    {
        const bool ascii = unit.size() == unitBytes;
        for (TextEdit &edit : local) {
            if (!ascii) {
                edit.length = utf8Length(QStringView(unit).sliced(edit.start, edit.length));
                edit.start = utf8Length(QStringView(unit).first(edit.start));
            }
            edit.start += unitStart;
            edits.push_back(std::move(edit));
        }
    }

    /// Writes one row into its own unit: the hand-written matcher decides where it can,
    /// the regular expressions where it leaves the unit to them.
    Step row(const UnitRecord &row, qsizetype ownTag, qsizetype tagEnd,
             std::vector<TextEdit> &edits)
    {
        if (ownTag == OwnTags::unreachable)
            return Step::Done;
        const auto next = std::ranges::upper_bound(units, ownTag);
        const qsizetype limit = next == units.end() ? bytes.size() : *next;
        if (limit < tagEnd)
            return Step::Unsure;
        const QByteArrayView unitBytes = bytes.sliced(tagEnd, limit - tagEnd);
        Groups groups;
        std::vector<TextEdit> local;
        auto outcome = UnitMatcher::insertion(unitBytes, groups);
        if (outcome == UnitMatcher::Outcome::Matched) {
            if (auto edit = UnitSplice::insertion(groups, row))
                local.push_back(std::move(*edit));
        } else if (outcome == UnitMatcher::Outcome::NoMatch) {
            outcome = UnitMatcher::update(unitBytes, groups);
            if (outcome == UnitMatcher::Outcome::Matched)
                local = UnitSplice::update(unitBytes, groups, row, before);
        }
        if (outcome == UnitMatcher::Outcome::Ask)
            return byExpressions(row, unitBytes, tagEnd, edits);
        for (TextEdit &edit : local) {
            edit.start += tagEnd;
            edits.push_back(std::move(edit));
        }
        return Step::Done;
    }

    /// Writes one row by the regular expressions, over its unit decoded.
    Step byExpressions(const UnitRecord &row, QByteArrayView unitBytes, qsizetype unitStart,
                       std::vector<TextEdit> &edits)
    {
        decodeUnit(unitBytes);
        Groups groups;
        std::vector<TextEdit> local;
        bool unsure = false;
        auto outcome = matchUnit(insertion, groups, &unsure);
        if (outcome == IcuRegex::Outcome::Matched) {
            if (auto edit = UnitSplice::insertion(groups, row))
                local.push_back(std::move(*edit));
        } else if (outcome == IcuRegex::Outcome::NoMatch && !unsure) {
            outcome = matchUnit(update, groups, &unsure);
            if (outcome == IcuRegex::Outcome::Matched)
                local = UnitSplice::update(unit, groups, row, before);
        }
        if (unsure)
            return Step::Unsure;
        if (outcome == IcuRegex::Outcome::TimedOut)
            return Step::TimedOut;
        placeInFile(local, unitStart, unitBytes.size(), edits);
        return Step::Done;
    }
};

/// What matching one stretch of rows gave: its edits, or the first row it had to stop at.
struct Part
{
    std::vector<TextEdit> edits;
    Step step = Step::Done;
    size_t stoppedAt = 0;
};

Part matchRows(QByteArrayView bytes, std::span<const UnitRecord> rows, const OwnTags::Found &own,
               size_t begin, size_t end)
{
    Matcher matcher{bytes, own.units};
    Part part;
    for (size_t i = begin; i < end; ++i) {
        if (!rows[i].name)
            continue;
        part.step = matcher.row(rows[i], own.rows[i], own.tagEnds[i], part.edits);
        if (part.step != Step::Done) {
            part.stoppedAt = i;
            return part;
        }
    }
    return part;
}

/// As many threads as the machine has cores, up to eight, where each gets a few thousand
/// rows: fewer would cost more to start than they save.
size_t threadsFor(size_t rows)
{
    constexpr size_t rowsPerThread = 4096;
    return std::clamp<size_t>(
        std::min<size_t>(std::thread::hardware_concurrency(), rows / rowsPerThread), 1, 8);
}

/// Matches the rows in consecutive stretches, each on a thread of its own: every row is
/// matched over its own unit alone, so the stretches share nothing but the file they read.
/// Parts come back in row order.
std::vector<Part> matchInParts(QByteArrayView bytes, std::span<const UnitRecord> rows,
                               const OwnTags::Found &own, size_t threads)
{
    std::vector<std::future<Part>> running;
    const size_t stretch = (rows.size() + threads - 1) / threads;
    for (size_t begin = stretch; begin < rows.size(); begin += stretch) {
        const size_t end = std::min(begin + stretch, rows.size());
        // With no thread to be had, the stretch is matched here, after the first.
        running.push_back(std::async(std::launch::async | std::launch::deferred, matchRows,
                                     bytes, rows, std::cref(own), begin, end));
    }
    std::vector<Part> parts;
    parts.push_back(matchRows(bytes, rows, own, 0, std::min(stretch, rows.size())));
    for (std::future<Part> &part : running)
        parts.push_back(part.get());
    return parts;
}

bool overlapping(const std::vector<TextEdit> &edits)
{
    for (size_t i = 1; i < edits.size(); ++i) {
        if (edits[i].start < edits[i - 1].start + edits[i - 1].length)
            return true;
    }
    return false;
}

SpliceResult referenceSplice(QByteArrayView bytes, std::span<const UnitRecord> rows)
{
    const std::optional<QString> text = DocumentFile::decodeUtf8(bytes);
    if (text)
        return ReferenceSplicer::splice(*text, rows);
    SpliceResult result;
    result.unreadable = true;
    result.errorString = QCoreApplication::translate("FastSplicer", "not valid UTF-8");
    return result;
}

} // namespace

SpliceResult FastSplicer::splice(QByteArray fileBytes, std::span<const UnitRecord> rows,
                                 int threads, const SpliceVerifier::Alongside &alongside)
{
    const OwnTags::Found own = OwnTags::find(fileBytes, rows);
    std::vector<Part> parts = matchInParts(fileBytes, rows, own,
                                           threads > 0 ? size_t(threads) : threadsFor(rows.size()));
    std::vector<TextEdit> edits;
    for (Part &part : parts) {
        if (part.step == Step::Unsure)
            return referenceSplice(fileBytes, rows);
        if (part.step == Step::TimedOut) {
            SpliceResult result;
            result.errorString =
                QCoreApplication::translate("FastSplicer", "matching the unit \"%1\" took too long")
                    .arg(*rows[part.stoppedAt].name);
            return result;
        }
        edits.insert(edits.end(), std::make_move_iterator(part.edits.begin()),
                     std::make_move_iterator(part.edits.end()));
    }
    parts = {};
    std::ranges::stable_sort(edits, {}, &TextEdit::start);
    if (overlapping(edits))
        return referenceSplice(fileBytes, rows);
    QByteArray spliced = UnitSplice::applied(fileBytes, edits);
    edits = {};
    fileBytes = QByteArray();
    return SpliceVerifier::verify(std::move(spliced), rows, alongside);
}
