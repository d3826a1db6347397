#include "FuzzChecks.h"

#include "dictionary/DictionaryFormat.h"

#include "files/DocumentFile.h"
#include "splice/FastSplicer.h"
#include "splice/IcuRegex.h"
#include "xliff/ParseState.h"
#include "splice/ReferenceSplicer.h"
#include "splice/SplicePatterns.h"
#include "splice/SpliceVerifier.h"
#include "xliff/UnitLocator.h"
#include "splice/UnitMatcher.h"
#include "xliff/XliffReader.h"
#include "splice/XliffWriter.h"

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

ReadResult readBytes(QByteArrayView bytes)
{
    ParseState state;
    return XliffReader(state).read(bytes);
}

bool sameUnit(const UnitRecord &a, const UnitRecord &b)
{
    return a.port == b.port && a.from == b.from && a.name == b.name && a.srcs == b.srcs &&
           a.tget == b.tget && a.note == b.note && a.part == b.part && a.state == b.state &&
           a.translatable == b.translatable && a.file == b.file;
}

/// The same bytes read in two parts at once, wherever they can be cut, must read as they
/// do in one piece: the same units, files and errors.
QString partsDisagree(QByteArrayView bytes, const ReadResult &whole)
{
    ParseState state;
    const ReadResult parts = XliffReader(state, 0).read(bytes);
    if (parts.complete != whole.complete || parts.errorString != whole.errorString ||
        parts.line != whole.line || parts.column != whole.column)
        return u"read in two parts, the document ends otherwise: %1"_s.arg(parts.errorString);
    if (parts.files.size() != whole.files.size() ||
        !std::ranges::equal(parts.files, whole.files, [](const FileHeader &a, const FileHeader &b) {
            return a.original == b.original && a.sourceLanguage == b.sourceLanguage &&
                   a.targetLanguage == b.targetLanguage;
        }))
        return u"read in two parts, the files differ"_s;
    if (!std::ranges::equal(parts.units, whole.units, sameUnit))
        return u"read in two parts, the units differ"_s;
    return {};
}

/// The save's read-back of the same rows, in two parts and in one, finds the same rows
/// not landed.
QString readBackDisagrees(const QByteArray &bytes, const std::vector<UnitRecord> &rows)
{
    const SpliceResult one = SpliceVerifier::verify(bytes, rows, {}, DocumentFile::maxSize,
                                                    std::numeric_limits<qsizetype>::max());
    const SpliceResult two = SpliceVerifier::verify(bytes, rows, {}, DocumentFile::maxSize, 0);
    const auto samePort = [](const UnwrittenUnit &a, const UnwrittenUnit &b) {
        return a.port == b.port;
    };
    if (one.errorString != two.errorString ||
        !std::ranges::equal(one.unwritten, two.unwritten, samePort))
        return u"read back in two parts, the save's check differs"_s;
    return {};
}

/// One byte of the input, picked by position so that every mutation moves some edits.
uchar pick(QByteArrayView bytes, size_t at)
{
    return uchar(bytes[qsizetype(at % size_t(bytes.size()))]);
}

/// Rows as an editor would hand them to a save: every unit, some of them edited with
/// targets that are empty, absent (taken out), full of markup characters or taken from the
/// input.
std::vector<UnitRecord> editedRows(QByteArrayView bytes, const std::vector<UnitRecord> &units)
{
    std::vector<UnitRecord> rows = units;
    for (size_t i = 0; i < rows.size(); ++i) {
        UnitRecord &row = rows[i];
        const uchar b = pick(bytes, i * 7 + 3);
        switch (b % 5) {
        case 0:
            break;
        case 1:
            row.tget.reset();
            break;
        case 2:
            row.tget = QString();
            break;
        case 3:
            row.tget = u"&<>\"' $1 \\ %@ "_s + row.srcs.value_or(u"x"_s);
            break;
        default: {
            const qsizetype start = qsizetype(b) * 31 % bytes.size();
            const qsizetype length = std::min<qsizetype>(b % 40, bytes.size() - start);
            row.tget = QString::fromUtf8(bytes.sliced(start, length));
        }
        }
        if (b & 0x80)
            row.note = u"Class = \"NSMenuItem\"; <&> "_s + row.tget.value_or(QString());
    }
    return rows;
}

bool notesEdited(const std::vector<UnitRecord> &rows, const std::vector<UnitRecord> &units)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].note != units[i].note)
            return true;
    }
    return false;
}

bool reportedUnwritten(const SpliceResult &result, const UnitRecord &row)
{
    return std::ranges::any_of(result.unwritten,
                               [&](const UnwrittenUnit &unit) { return unit.port == row.port; });
}

/// The text of each unit's source element, as the file writes it. (What the reader keeps as
/// `srcs` can come from an element nested elsewhere in the unit, which a new target may
/// rightly replace, so the file's own source elements are what must not change.) A source
/// with elements inside may hold whole units whose targets rightly change: it is left out.
std::vector<QString> sourceElements(QByteArrayView bytes)
{
    const QString text = *DocumentFile::decodeUtf8(bytes);
    std::vector<QString> sources;
    for (const UnitLayout &unit : UnitLocator::locate(bytes).units) {
        if (!unit.source) {
            sources.emplace_back();
            continue;
        }
        const auto content = unit.source->content();
        const QStringView inside =
            QStringView(text).sliced(content.begin, content.end - content.begin);
        const auto whole = unit.source->whole;
        sources.push_back(
            inside.contains(u'<') ? QString() : text.sliced(whole.begin, whole.end - whole.begin));
    }
    return sources;
}

QString unitProblem(const SpliceResult &result, const UnitRecord &row, const UnitRecord &before,
                    const UnitRecord &after)
{
    if (after.name != before.name)
        return u"unit %1 changed its id"_s.arg(row.port);
    // A row without a target takes the unit's target out (a target typed, saved, undone).
    const std::optional<QString> expected =
        row.tget ? std::optional(row.tget->trimmed()) : std::nullopt;
    if (after.tget == expected || reportedUnwritten(result, row))
        return {};
    if (!row.tget)
        return u"unit %1 kept the target its row takes out"_s.arg(row.port);
    return u"unit %1: target neither reads back nor is reported unwritten"_s.arg(row.port);
}

/// The one-pass splice, on one thread and on several, gives what the reference gives. Only
/// for small documents: the reference's cost grows with rows times file size.
QString splicersDisagree(QByteArrayView bytes, const QString &text,
                         const std::vector<UnitRecord> &rows)
{
    constexpr size_t referenceRows = 64;
    if (rows.size() > referenceRows)
        return {};
    const SpliceResult reference = ReferenceSplicer::splice(text, rows);
    for (const int threads : {1, 2}) {
        const SpliceResult fast = FastSplicer::splice(bytes.toByteArray(), rows, threads);
        const auto ports = [](const SpliceResult &result) {
            std::vector<quint64> ports;
            for (const UnwrittenUnit &unit : result.unwritten)
                ports.push_back(unit.port);
            return ports;
        };
        if (fast.bytes != reference.bytes || ports(fast) != ports(reference))
            return u"the one-pass splice on %1 thread(s) differs from the reference"_s.arg(threads);
    }
    return {};
}

/// The matcher's byte ranges as positions in the decoded text, as the expressions give them.
std::vector<IcuRegex::Range> inText(QByteArrayView utf8, const std::vector<IcuRegex::Range> &groups)
{
    const auto at = [utf8](qsizetype byte) { return QString::fromUtf8(utf8.first(byte)).size(); };
    std::vector<IcuRegex::Range> ranges;
    for (const IcuRegex::Range &group : groups) {
        if (group.start < 0) {
            ranges.push_back(group);
            continue;
        }
        const qsizetype start = at(group.start);
        ranges.push_back({start, at(group.start + group.length) - start});
    }
    return ranges;
}

QString describe(const std::vector<IcuRegex::Range> &groups)
{
    QStringList parts;
    for (const IcuRegex::Range &group : groups)
        parts.append(u"%1+%2"_s.arg(group.start).arg(group.length));
    return parts.join(u' ');
}

/// One pattern on one stretch: empty when the matcher asked or agreed.
QString compareOn(QByteArrayView utf8, const QString &text, bool insertion, bool *asked)
{
    UnitMatcher::Groups mine;
    const UnitMatcher::Outcome decided =
        insertion ? UnitMatcher::insertion(utf8, mine) : UnitMatcher::update(utf8, mine);
    *asked = decided == UnitMatcher::Outcome::Ask;
    if (*asked)
        return {};
    // Compiled once: checks run one at a time.
    static IcuRegex insertionRegex(SplicePatterns::insertionTail().toString());
    static IcuRegex updateRegex(SplicePatterns::updateTail().toString());
    IcuRegex &regex = insertion ? insertionRegex : updateRegex;
    std::vector<IcuRegex::Range> theirs;
    bool hitEnd = false;
    const IcuRegex::Outcome outcome = regex.matchAt(text, 0, theirs, -1, &hitEnd);
    if (outcome == IcuRegex::Outcome::TimedOut)
        return {};
    const QString pattern = insertion ? u"insertion"_s : u"update"_s;
    if (hitEnd)
        return u"%1: decided a stretch whose match looks at its end"_s.arg(pattern);
    const bool matched = outcome == IcuRegex::Outcome::Matched;
    if (matched != (decided == UnitMatcher::Outcome::Matched))
        return u"%1: the matcher says %2, the expression %3"_s.arg(
            pattern, matched ? u"no match"_s : u"match"_s, matched ? u"match"_s : u"no match"_s);
    if (matched && inText(utf8, mine) != theirs)
        return u"%1: groups %2, the expression's %3"_s.arg(pattern, describe(inText(utf8, mine)),
                                                           describe(theirs));
    return {};
}

} // namespace

QString FuzzChecks::matcher(QByteArrayView bytes, qsizetype *stretches, qsizetype *asked)
{
    if (!bytes.isValidUtf8())
        return {};
    std::vector<QByteArrayView> units{bytes};
    static constexpr QByteArrayView startTag = "<trans-unit";
    for (qsizetype at = bytes.indexOf(startTag); at >= 0;) {
        const qsizetype next = bytes.indexOf(startTag, at + 1);
        const qsizetype tagEnd = bytes.indexOf('>', at);
        const qsizetype end = next < 0 ? bytes.size() : next;
        if (tagEnd >= 0 && tagEnd < end)
            units.push_back(bytes.sliced(tagEnd + 1, end - tagEnd - 1));
        at = next;
    }
    for (const QByteArrayView unit : units) {
        const QString text = QString::fromUtf8(unit);
        for (const bool insertion : {true, false}) {
            bool left = false;
            const QString problem = compareOn(unit, text, insertion, &left);
            if (!problem.isEmpty())
                return u"%1 in \"%2\""_s.arg(problem, text.left(300));
            if (stretches)
                ++*stretches;
            if (asked && left)
                ++*asked;
        }
    }
    return {};
}

QString FuzzChecks::reader(QByteArrayView bytes)
{
    const ReadResult read = readBytes(bytes);
    if (const QString problem = partsDisagree(bytes, read); !problem.isEmpty())
        return problem;
    if (!read.complete) {
        if (read.errorString.isEmpty() || read.line < 1 || read.column < 1)
            return u"a failed read names no reason or place"_s;
        return {};
    }
    if (!DocumentFile::decodeUtf8(bytes))
        return u"bytes that are not UTF-8 read as a complete document"_s;
    return {};
}

QString FuzzChecks::writer(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    const ReadResult before = readBytes(bytes);
    const std::optional<QString> text = DocumentFile::decodeUtf8(bytes);
    if (!before.complete || !text)
        return {};
    const std::vector<UnitRecord> rows = editedRows(bytes, before.units);
    if (const QString problem = splicersDisagree(bytes, *text, rows); !problem.isEmpty())
        return problem;
    const SpliceResult result = XliffWriter::splice(*text, rows);
    if (!result.bytes)
        return result.errorString.isEmpty() ? u"no file and no reason"_s : QString();
    if (!QByteArrayView(*result.bytes).isValidUtf8())
        return u"the written file is not valid UTF-8"_s;
    if (const QString problem = readBackDisagrees(*result.bytes, rows); !problem.isEmpty())
        return problem;
    const ReadResult after = readBytes(*result.bytes);
    if (!after.complete)
        return u"the written text does not read: %1"_s.arg(after.errorString);
    if (after.units.size() != before.units.size())
        return u"the written text has %1 units, not %2"_s.arg(after.units.size())
            .arg(before.units.size());
    if (sourceElements(*result.bytes) != sourceElements(bytes))
        return u"a source element changed"_s;
    for (const UnitRecord &row : rows) {
        const QString problem =
            unitProblem(result, row, before.units[row.port], after.units[row.port]);
        if (!problem.isEmpty())
            return problem;
    }
    if (!result.unwritten.empty() || notesEdited(rows, before.units))
        return {};
    // A second save of the same rows has nothing left to change. (Not so with new notes:
    // a save that gives a unit its first target leaves the note alone, the next writes it.)
    const SpliceResult again = XliffWriter::splice(*result.bytes, rows);
    if (again.bytes != result.bytes)
        return u"a second save of the same rows changed the text"_s;
    return {};
}

QString FuzzChecks::dictionary(QByteArrayView input)
{
    const QByteArray bytes = input.toByteArray();
    const DictionaryParse stored = DictionaryFormat::fromJson(bytes);
    if (stored.ok()) {
        const DictionaryParse again =
            DictionaryFormat::fromJson(DictionaryFormat::toJson(stored.entries));
        if (!again.ok() || again.entries != stored.entries)
            return u"stored file does not round-trip"_s;
    } else if (stored.error.isEmpty()) {
        return u"stored file refused without a reason"_s;
    }
    const DictionaryParse lines = DictionaryFormat::fromJsonLines(bytes);
    if (lines.ok()) {
        const DictionaryParse again =
            DictionaryFormat::fromJsonLines(DictionaryFormat::toJsonLines(lines.entries));
        if (!again.ok() || again.entries != lines.entries)
            return u"JSON Lines do not round-trip"_s;
    }
    return {};
}
