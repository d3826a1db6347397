#include "xliff/DocumentCut.h"

#include <algorithm>

namespace {

constexpr QByteArrayView unitTag = "<trans-unit";

/// Where the second part starts, in percent of the document: its scan of the first part
/// takes about a tenth of the time a parse of the same bytes does.
constexpr qsizetype secondPartStart = 52;

bool endsName(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>' || c == '/';
}

/// The first `<trans-unit` start tag at or after `from`; -1 if none.
qsizetype unitTagFrom(QByteArrayView bytes, qsizetype from)
{
    for (qsizetype at = bytes.indexOf(unitTag, from); at >= 0;
         at = bytes.indexOf(unitTag, at + 1)) {
        const qsizetype after = at + unitTag.size();
        if (after < bytes.size() && endsName(bytes[after]))
            return at;
    }
    return -1;
}

/// Offset just past the `>` that ends the tag or declaration starting at `at`, passing over
/// quoted attribute values, which may hold `>`; -1 if it does not end.
qsizetype tagEnd(QByteArrayView bytes, qsizetype at)
{
    for (qsizetype i = at + 1; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '>')
            return i + 1;
        if (c == '"' || c == '\'') {
            i = bytes.indexOf(c, i + 1);
            if (i < 0)
                return -1;
        }
    }
    return -1;
}

QByteArrayView nameAt(QByteArrayView bytes, qsizetype begin)
{
    qsizetype end = begin;
    while (end < bytes.size() && !endsName(bytes[end]))
        ++end;
    return bytes.sliced(begin, end - begin);
}

struct OpenTag
{
    qsizetype at;
    QByteArrayView name;
    QByteArrayView tag;
};

/// Walks the tags before the cut, keeping the elements open at each point.
class TagScan
{
public:
    explicit TagScan(QByteArrayView bytes) : m_bytes(bytes) {}

    /// Scans up to `end`; false where it cannot tell what is open there.
    bool scan(qsizetype end)
    {
        qsizetype i = 0;
        while ((i = m_bytes.indexOf('<', i)) >= 0 && i < end) {
            i = token(i);
            if (i < 0 || i > end)
                return false;
        }
        return true;
    }

    const std::vector<OpenTag> &open() const { return m_open; }
    qsizetype fileTag() const { return m_fileTag; }
    bool fileClosed() const { return m_fileClosed; }
    quint64 units() const { return m_units; }

private:
    /// Passes over the markup starting at `at`; the offset after it, or -1.
    qsizetype token(qsizetype at)
    {
        if (at + 1 >= m_bytes.size())
            return -1;
        switch (m_bytes[at + 1]) {
        case '/':
            return endTag(at);
        case '?':
            return past(at + 2, "?>");
        case '!': {
            const QByteArrayView rest = m_bytes.sliced(at);
            if (rest.startsWith("<!--"))
                return past(at + 4, "-->");
            if (rest.startsWith("<![CDATA["))
                return past(at + 9, "]]>");
            return declaration(at);
        }
        default:
            return startTag(at);
        }
    }

    qsizetype past(qsizetype from, QByteArrayView close) const
    {
        const qsizetype found = m_bytes.indexOf(close, from);
        return found < 0 ? -1 : found + close.size();
    }

    /// A document type declaration; one with declarations of its own is not followed.
    qsizetype declaration(qsizetype at) const
    {
        const qsizetype end = tagEnd(m_bytes, at);
        if (end < 0 || m_bytes.sliced(at, end - at).contains('['))
            return -1;
        return end;
    }

    qsizetype endTag(qsizetype at)
    {
        if (m_open.empty())
            return -1;
        const QByteArrayView name = m_open.back().name;
        const qsizetype after = at + 2 + name.size();
        if (after >= m_bytes.size() || m_bytes.sliced(at + 2, name.size()) != name ||
            !endsName(m_bytes[after]))
            return -1;
        const qsizetype end = m_bytes.indexOf('>', after);
        if (end < 0)
            return -1;
        if (m_open.back().at == m_fileTag)
            m_fileClosed = true;
        m_open.pop_back();
        return end + 1;
    }

    qsizetype startTag(qsizetype at)
    {
        const qsizetype end = tagEnd(m_bytes, at);
        if (end < 0)
            return -1;
        const QByteArrayView name = nameAt(m_bytes, at + 1);
        if (name.isEmpty())
            return -1;
        if (name == "trans-unit")
            ++m_units;
        if (name == "file") {
            m_fileTag = at;
            m_fileClosed = false;
        }
        if (m_bytes[end - 2] == '/') {
            m_fileClosed = m_fileClosed || at == m_fileTag;
            return end;
        }
        m_open.push_back({at, name, m_bytes.sliced(at, end - at)});
        return end;
    }

    QByteArrayView m_bytes;
    std::vector<OpenTag> m_open;
    qsizetype m_fileTag = -1;
    bool m_fileClosed = false;
    quint64 m_units = 0;
};

/// Whether the parts could not be read apart there: inside an element a unit is read
/// from, a cut would split a unit's values; inside a `<file>` within a `<file>`, the second
/// part would count both as files of its own.
bool joinsUnitValues(const std::vector<OpenTag> &open)
{
    const auto files =
        std::ranges::count_if(open, [](const OpenTag &tag) { return tag.name == "file"; });
    return files > 1 || std::ranges::any_of(open, [](const OpenTag &tag) {
               return tag.name == "trans-unit" || tag.name == "source" || tag.name == "target" ||
                      tag.name == "note";
           });
}

} // namespace

qsizetype DocumentCut::place(QByteArrayView bytes)
{
    return unitTagFrom(bytes, bytes.size() / 100 * secondPartStart);
}

std::optional<DocumentCut> DocumentCut::find(QByteArrayView bytes)
{
    const qsizetype at = place(bytes);
    return at < 0 ? std::nullopt : scan(bytes, at);
}

std::optional<DocumentCut> DocumentCut::scan(QByteArrayView bytes, qsizetype at)
{
    TagScan scan(bytes);
    if (!scan.scan(at) || scan.open().empty() || scan.units() == 0 || scan.fileClosed() ||
        joinsUnitValues(scan.open()))
        return std::nullopt;
    DocumentCut cut;
    cut.at = at;
    cut.fileTag = scan.fileTag();
    cut.unitsBefore = scan.units();
    for (const OpenTag &tag : scan.open()) {
        cut.openTags.push_back(tag.at);
        cut.opening.append(tag.tag);
    }
    for (auto tag = scan.open().rbegin(); tag != scan.open().rend(); ++tag)
        cut.closing.append("</").append(tag->name).append('>');
    return cut;
}
