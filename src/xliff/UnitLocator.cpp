#include "xliff/UnitLocator.h"

#include "xliff/ExpatParser.h"

#include <cstring>

namespace {

/// Turns the parser's UTF-8 byte offsets, which only grow, into UTF-16 positions (or
/// keeps them as they are, when byte positions are wanted).
class Utf16Cursor
{
public:
    Utf16Cursor(QByteArrayView bytes, UnitLocator::Positions positions)
        : m_bytes(bytes), m_counts(positions == UnitLocator::Positions::Utf16)
    {
    }

    qsizetype at(qint64 byteIndex)
    {
        if (!m_counts)
            return qsizetype(byteIndex);
        for (; m_byte < byteIndex; ++m_byte) {
            const auto b = static_cast<unsigned char>(m_bytes[m_byte]);
            if ((b & 0xC0) != 0x80)
                m_unit += b >= 0xF0 ? 2 : 1;
        }
        return m_unit;
    }

private:
    QByteArrayView m_bytes;
    bool m_counts;
    qint64 m_byte = 0;
    qsizetype m_unit = 0;
};

class LayoutCollector final : public ExpatParser::Handler
{
public:
    LayoutCollector(QByteArrayView bytes, UnitLocator::Positions positions)
        : m_cursor(bytes, positions)
    {
    }

    void attach(ExpatParser &parser) { m_parser = &parser; }
    std::vector<UnitLayout> takeUnits() { return std::move(m_units); }
    bool nestedUnits() const { return m_nested; }

    void startElement(const char *name, const char **attributes) override
    {
        ++m_depth;
        const qint64 index = m_parser->currentByteIndex();
        const UnitLayout::Range tag{m_cursor.at(index),
                                    m_cursor.at(index + m_parser->currentByteCount())};
        if (std::strcmp(name, "file") == 0) {
            const char *original = ExpatParser::attribute(attributes, "original");
            m_from = original ? std::optional(QString::fromUtf8(original)) : std::nullopt;
            return;
        }
        if (std::strcmp(name, "trans-unit") == 0) {
            m_nested |= m_unitDepth != 0;
            UnitLayout unit;
            if (const char *id = ExpatParser::attribute(attributes, "id"))
                unit.name = QString::fromUtf8(id);
            unit.from = m_from;
            unit.unit.begin = tag.begin;
            unit.startTag = tag;
            // A unit nested in a source or target: the outer element's end is never paired
            // with its start, so it is dropped rather than left with a range that has no end
            // (and no pointer is kept into the vector the new unit may move).
            if (m_open)
                m_open->reset();
            m_open = nullptr;
            m_units.push_back(std::move(unit));
            m_unitDepth = m_depth;
            return;
        }
        if (m_unitDepth == 0 || m_depth != m_unitDepth + 1)
            return;
        UnitLayout &unit = m_units.back();
        auto &slot = std::strcmp(name, "source") == 0   ? unit.source
                     : std::strcmp(name, "target") == 0 ? unit.target
                                                        : m_ignored;
        if (&slot == &m_ignored || slot)
            return;
        slot = UnitLayout::Element{{tag.begin, -1}, tag};
        m_open = &slot;
    }

    void endElement(const char *) override
    {
        const qint64 index = m_parser->currentByteIndex();
        const int count = m_parser->currentByteCount();
        if (m_depth == m_unitDepth) {
            m_units.back().unit.end = m_cursor.at(index + count);
            m_unitDepth = 0;
        } else if (m_open && m_depth == m_unitDepth + 1) {
            // An empty-element tag reports its end with no bytes of its own.
            auto &element = **m_open;
            element.empty = count == 0;
            element.contentEnd = element.empty ? element.startTag.end : m_cursor.at(index);
            element.whole.end = element.empty ? element.startTag.end : m_cursor.at(index + count);
            m_open = nullptr;
        }
        --m_depth;
    }

    void characters(const char *, int) override {}

private:
    ExpatParser *m_parser = nullptr;
    Utf16Cursor m_cursor;
    std::vector<UnitLayout> m_units;
    std::optional<UnitLayout::Element> m_ignored;
    std::optional<UnitLayout::Element> *m_open = nullptr;
    int m_depth = 0;
    int m_unitDepth = 0;
    bool m_nested = false;
    std::optional<QString> m_from;
};

} // namespace

UnitLocator::Result UnitLocator::locate(QByteArrayView bytes, Positions positions)
{
    LayoutCollector collector(bytes, positions);
    ExpatParser parser(collector);
    collector.attach(parser);
    Result result;
    if (!parser.parse(bytes)) {
        result.errorString = parser.errorString();
        return result;
    }
    result.complete = true;
    result.units = collector.takeUnits();
    result.nestedUnits = collector.nestedUnits();
    return result;
}
