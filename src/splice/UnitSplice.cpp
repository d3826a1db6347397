#include "splice/UnitSplice.h"

#include "files/HugePages.h"
#include "xliff/MarkupText.h"
#include "splice/SplicePatterns.h"

#include <QStringEncoder>

#include <algorithm>

namespace {

using Range = IcuRegex::Range;

QString toText(QStringView text)
{
    return text.toString();
}

QString toText(QByteArrayView utf8)
{
    return QString::fromUtf8(utf8);
}

// The ASCII characters the splice looks for, in either kind of text.
bool has(QStringView text, char c)
{
    return text.contains(QLatin1Char(c));
}

bool has(QByteArrayView utf8, char c)
{
    return utf8.contains(c);
}

qsizetype indexOf(QStringView text, char c, qsizetype from)
{
    return text.indexOf(QLatin1Char(c), from);
}

qsizetype indexOf(QByteArrayView utf8, char c, qsizetype from)
{
    return utf8.indexOf(c, from);
}

qsizetype lastIndexOf(QStringView text, char c)
{
    return text.lastIndexOf(QLatin1Char(c));
}

qsizetype lastIndexOf(QByteArrayView utf8, char c)
{
    return utf8.lastIndexOf(c);
}

char16_t code(QChar c)
{
    return c.unicode();
}

char16_t code(char c)
{
    return uchar(c);
}

/// The code point whose UTF-8 starts at `at` (the bytes are valid UTF-8); `at` moves past it.
char32_t nextCodePoint(QByteArrayView utf8, qsizetype &at)
{
    const auto lead = uchar(utf8[at]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length && at + k < utf8.size(); ++k)
        code = code << 6 | (uchar(utf8[at + k]) & 0x3F);
    at += length;
    return code;
}

/// Whether trimming would cut the first or last character.
bool spaceAtEnds(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return false;
    qsizetype at = 0;
    if (QChar::isSpace(nextCodePoint(utf8, at)))
        return true;
    at = utf8.size() - 1;
    while (at > 0 && (uchar(utf8[at]) & 0xC0) == 0x80)
        --at;
    return QChar::isSpace(nextCodePoint(utf8, at));
}

/// Whether the captured text reads as the value, decoded as it is compared rather than
/// into a new string; nothing when it holds what only the full decoding handles (tags,
/// CDATA sections, carriage returns, numeric references) or white space trimming would cut.
std::optional<bool> sameValue(QByteArrayView utf8, QStringView value)
{
    if (spaceAtEnds(utf8))
        return std::nullopt;
    qsizetype v = 0;
    for (qsizetype at = 0; at < utf8.size();) {
        char32_t code = 0;
        const char c = utf8[at];
        if (c == '<' || c == '\r')
            return std::nullopt;
        if (c == '&') {
            const qsizetype end = utf8.indexOf(';', at);
            const QByteArrayView name =
                end < 0 ? QByteArrayView() : utf8.sliced(at + 1, end - at - 1);
            code = name == "amp"    ? U'&'
                   : name == "lt"   ? U'<'
                   : name == "gt"   ? U'>'
                   : name == "quot" ? U'"'
                   : name == "apos" ? U'\''
                                    : 0;
            if (code == 0)
                return std::nullopt;
            at = end + 1;
        } else {
            code = nextCodePoint(utf8, at);
        }
        if (QChar::requiresSurrogates(code)) {
            if (v + 1 >= value.size() || value[v] != QChar(QChar::highSurrogate(code)) ||
                value[v + 1] != QChar(QChar::lowSurrogate(code)))
                return false;
            v += 2;
        } else {
            if (v >= value.size() || value[v].unicode() != code)
                return false;
            ++v;
        }
    }
    return v == value.size();
}

std::optional<bool> sameValue(QStringView text, QStringView value)
{
    const bool plain = !text.contains(u'&') && !text.contains(u'<') && !text.contains(u'\r') &&
                       (text.isEmpty() || (!text.front().isSpace() && !text.back().isSpace()));
    if (!plain)
        return std::nullopt;
    return text == value;
}

/// Whether the captured text, decoded and trimmed as the reader stores values, is `value`.
template <typename View> bool readsAs(View text, const Range &range, const QString &value)
{
    const View captured = text.sliced(range.start, range.length);
    if (const std::optional<bool> same = sameValue(captured, value))
        return *same;
    return MarkupText::decode(toText(captured)).trimmed() == value;
}

/// Whether every character is white space.
template <typename View> bool allSpace(View text)
{
    for (const auto c : text) {
        if (code(c) >= 0x80)
            return toText(text).trimmed().isEmpty();
        if (!QChar::isSpace(code(c)))
            return false;
    }
    return true;
}

/// The note group the reader's value comes from: the last note the match captured.
int noteGroup(const std::vector<Range> &groups)
{
    return groups[SplicePatterns::NoteAfter].start >= 0 ? SplicePatterns::NoteAfter
                                                        : SplicePatterns::NoteBefore;
}

/// True when the reader's value of a captured text is that text, decoded and trimmed: it
/// holds no element, and only white space stands between the element before it (whose end
/// empties the reader's buffer) and its own start tag. Otherwise only the reader can tell.
template <typename View> bool readsAsItsText(View text, const std::vector<Range> &groups, int group)
{
    const Range &value = groups[size_t(group)];
    if (has(text.sliced(value.start, value.length), '<'))
        return false;
    // The patterns let only characters other than "<" stand between the element and the
    // end tag before it, so the last "<" starts that end tag; text after it may hold ">".
    const qsizetype element = groups[size_t(group - 1)].start;
    const qsizetype endTag = lastIndexOf(text.first(element), '<');
    const qsizetype previous = endTag < 0 ? 0 : indexOf(text, '>', endTag) + 1;
    return allSpace(text.sliced(previous, element - previous));
}

template <typename View>
std::vector<TextEdit> updated(View text, const std::vector<Range> &groups, const UnitRecord &row,
                              UnitValues &before)
{
    // Whether the unit already holds the value: by the captured text where that is what the
    // reader reads, else by the reader's value of the unit (parsed only then).
    const auto holds = [&](int group, UnitRecord::Key key, const QString &value) {
        if (readsAs(text, groups[size_t(group)], value))
            return true;
        if (readsAsItsText(text, groups, group))
            return false;
        const UnitRecord *unit = before.unitOf(row);
        return unit && unit->value(key) == value;
    };
    const int note = noteGroup(groups);
    const bool noteChanged = row.note && groups[size_t(note)].start >= 0 &&
                             !holds(note, UnitRecord::Key::Note, *row.note);
    std::vector<TextEdit> edits;
    for (const int g :
         {SplicePatterns::NoteBefore, SplicePatterns::Target, SplicePatterns::NoteAfter}) {
        const Range &range = groups[size_t(g)];
        if (range.length == 0)
            continue;
        const bool isTarget = g == SplicePatterns::Target;
        if (!isTarget && !noteChanged)
            continue;
        const std::optional<QString> &value = isTarget ? row.tget : row.note;
        if (!value)
            continue;
        if (isTarget ? holds(g, UnitRecord::Key::Tget, *value) : readsAs(text, range, *value))
            continue;
        edits.push_back({range.start, range.length, MarkupText::escapeText(*value)});
    }
    return edits;
}

} // namespace

std::optional<TextEdit> UnitSplice::insertion(const std::vector<Range> &groups,
                                              const UnitRecord &row)
{
    if (!row.tget)
        return std::nullopt;
    const Range &lineFeed = groups[SplicePatterns::insertionGroup];
    return TextEdit{lineFeed.start, lineFeed.length,
                    SplicePatterns::targetLine(MarkupText::escapeText(*row.tget))};
}

std::vector<TextEdit> UnitSplice::update(QStringView text, const std::vector<Range> &groups,
                                         const UnitRecord &row, UnitValues &before)
{
    return updated(text, groups, row, before);
}

std::vector<TextEdit> UnitSplice::update(QByteArrayView utf8, const std::vector<Range> &groups,
                                         const UnitRecord &row, UnitValues &before)
{
    return updated(utf8, groups, row, before);
}

QString UnitSplice::applied(QStringView text, const std::vector<TextEdit> &edits)
{
    // One new text built front to back: replacing in place would move the rest of the
    // text once per edit, which grows with edits times file size.
    qsizetype grows = 0;
    for (const TextEdit &edit : edits)
        grows += edit.replacement.size() - edit.length;
    QString out;
    out.reserve(text.size() + std::max<qsizetype>(grows, 0));
    qsizetype at = 0;
    for (const TextEdit &edit : edits) {
        out += text.sliced(at, edit.start - at);
        out += edit.replacement;
        at = edit.start + edit.length;
    }
    out += text.sliced(at);
    return out;
}

QByteArray UnitSplice::applied(QByteArrayView bytes, const std::vector<TextEdit> &edits)
{
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    qsizetype grows = 0;
    for (const TextEdit &edit : edits)
        grows += encoder.requiredSpace(edit.replacement.size()) - edit.length;
    QByteArray out(bytes.size() + std::max<qsizetype>(grows, 0), Qt::Uninitialized);
    HugePages::advise(out.data(), out.size());
    char *write = out.data();
    qsizetype at = 0;
    for (const TextEdit &edit : edits) {
        write = std::copy(bytes.data() + at, bytes.data() + edit.start, write);
        write = encoder.appendToBuffer(write, edit.replacement);
        at = edit.start + edit.length;
    }
    write = std::copy(bytes.data() + at, bytes.data() + bytes.size(), write);
    out.truncate(write - out.constData());
    return out;
}
