#include "xliff/ParallelParse.h"

#include <cstring>
#include <future>
#include <limits>
#include <system_error>
#include <thread>

namespace {

/// Passes the first part's events on and keeps the start tags of the elements open, so
/// that at the cut they can be compared with the ones the second part was opened with.
class OpenElements final : public ExpatParser::Handler
{
public:
    explicit OpenElements(ExpatParser::Handler &handler) : m_handler(handler) {}

    void attach(const ExpatParser &parser) { m_parser = &parser; }

    /// Whether the parser stands where the cut assumed it would.
    bool matches(const DocumentCut &cut) const
    {
        return m_open == cut.openTags && m_fileTag == cut.fileTag;
    }

    /// From here on the events are the closing of the part, not the document's. Text that
    /// the parser held back at the end of the part (a `]` that might begin `]]>`, a carriage
    /// return that might precede a line feed) is still the document's: it comes before the
    /// first end tag of the closing and is passed on.
    void mute() { m_muted = true; }

    void startElement(const char *name, const char **attributes) override
    {
        if (m_muted)
            return;
        const qsizetype at = qsizetype(m_parser->currentByteIndex());
        m_open.push_back(at);
        if (std::strcmp(name, "file") == 0)
            m_fileTag = at;
        m_handler.startElement(name, attributes);
    }

    void endElement(const char *name) override
    {
        if (m_muted) {
            m_closed = true;
            return;
        }
        if (!m_open.empty())
            m_open.pop_back();
        m_handler.endElement(name);
    }

    void characters(const char *text, int length) override
    {
        if (!m_closed)
            m_handler.characters(text, length);
    }

private:
    ExpatParser::Handler &m_handler;
    const ExpatParser *m_parser = nullptr;
    std::vector<qsizetype> m_open;
    qsizetype m_fileTag = -1;
    bool m_muted = false;
    bool m_closed = false; ///< the closing's first end tag was seen
};

/// Scans for the cut, hands it to the first part as soon as it is known, and parses the
/// second part.
bool parseSecond(QByteArrayView bytes, qsizetype at,
                 std::promise<std::optional<DocumentCut>> &found, ParallelParse::SecondPart &second)
{
    std::optional<DocumentCut> cut = DocumentCut::scan(bytes, at);
    found.set_value(cut);
    if (!cut)
        return false;
    second.startAt(*cut);
    ExpatParser parser(second);
    const QByteArrayView rest = bytes.sliced(at);
    return parser.screen(rest) && parser.feed(cut->opening, false) && parser.feed(rest, true);
}

/// Parses up to the cut, then waits for the scan to say what it assumed there.
std::optional<DocumentCut> parseFirst(QByteArrayView bytes, qsizetype at,
                                      std::future<std::optional<DocumentCut>> found,
                                      ExpatParser::Handler &first)
{
    OpenElements open(first);
    ExpatParser parser(open);
    open.attach(parser);
    const QByteArrayView part = bytes.first(at);
    const bool parsed = parser.screen(part) && parser.feed(part, false);
    std::optional<DocumentCut> cut = found.get();
    if (!parsed || !cut || !open.matches(*cut))
        return std::nullopt;
    // Closing the open elements proves the part ended between tokens, not inside a
    // comment, a section or a tag, where these end tags would be taken as its text.
    open.mute();
    if (!parser.feed(cut->closing, true))
        return std::nullopt;
    return cut;
}

} // namespace

qsizetype ParallelParse::defaultFromSize()
{
    return std::thread::hardware_concurrency() >= 2 ? minimumSize
                                                    : std::numeric_limits<qsizetype>::max();
}

std::optional<DocumentCut> ParallelParse::run(QByteArrayView bytes, qsizetype fromSize,
                                              ExpatParser::Handler &first, SecondPart &second)
{
    if (bytes.size() < fromSize)
        return std::nullopt;
    const qsizetype at = DocumentCut::place(bytes);
    if (at < 0)
        return std::nullopt;
    std::promise<std::optional<DocumentCut>> found;
    std::future<std::optional<DocumentCut>> cut = found.get_future();
    // A second thread, or none at all: then the first part waits for a scan that has not
    // run, so the second part is not deferred but given up.
    std::future<bool> secondPart;
    try {
        secondPart = std::async(std::launch::async, parseSecond, bytes, at, std::ref(found),
                                std::ref(second));
    } catch (const std::system_error &) {
        return std::nullopt;
    }
    std::optional<DocumentCut> met = parseFirst(bytes, at, std::move(cut), first);
    const bool secondParsed = secondPart.get();
    return secondParsed ? met : std::nullopt;
}
