#include "document/SpliceVerifier.h"

#include "document/DocumentFile.h"
#include "document/ExpatParser.h"

#include <QCoreApplication>

#include <cstring>

namespace {

struct ReadBack
{
    std::optional<QString> name;
    std::optional<QString> tget;
};

/// Reads back what a save depends on, the ids and targets, gathering text exactly as the
/// reader does, but without building sources and notes it would only throw away.
class TargetCollector final : public ExpatParser::Handler
{
public:
    std::vector<ReadBack> units;

    void startElement(const char *name, const char **attributes) override
    {
        if (std::strcmp(name, "trans-unit") != 0)
            return;
        const char *id = ExpatParser::attribute(attributes, "id");
        m_current.name = id ? std::optional(QString::fromUtf8(id)) : std::nullopt;
        m_inside = true;
    }

    void characters(const char *text, int length) override
    {
        if (m_inside)
            m_buffer.append(text, length);
    }

    void endElement(const char *name) override
    {
        if (std::strcmp(name, "target") == 0)
            m_current.tget = QString::fromUtf8(m_buffer).trimmed();
        if (std::strcmp(name, "target") == 0 || std::strcmp(name, "source") == 0 ||
            std::strcmp(name, "note") == 0)
            m_buffer.resize(0); // keeps the allocation for the next value
        if (std::strcmp(name, "trans-unit") == 0)
            units.push_back(std::exchange(m_current, {}));
    }

private:
    ReadBack m_current;
    QByteArray m_buffer;
    bool m_inside = false;
};

bool landed(const UnitRecord &row, const std::vector<ReadBack> &units)
{
    if (row.port >= units.size())
        return false;
    const ReadBack &unit = units[row.port];
    return unit.name == row.name && unit.tget == row.tget->trimmed();
}

} // namespace

SpliceResult SpliceVerifier::verify(QString text, std::span<const UnitRecord> rows)
{
    SpliceResult result;
    QByteArray bytes = DocumentFile::encodeUtf8(text);
    TargetCollector collector;
    ExpatParser parser(collector);
    if (!parser.parse(bytes)) {
        result.errorString = QCoreApplication::translate(
                                 "SpliceVerifier", "the new text would not be well-formed XML "
                                                   "(line %1, column %2: %3)")
                                 .arg(parser.errorLine())
                                 .arg(parser.errorColumn())
                                 .arg(parser.errorString());
        return result;
    }
    for (const UnitRecord &row : rows) {
        if (row.tget && !landed(row, collector.units))
            result.unwritten.push_back({row.from, row.name, row.port});
    }
    result.text = std::move(text);
    result.bytes = std::move(bytes);
    return result;
}
