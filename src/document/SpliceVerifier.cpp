#include "document/SpliceVerifier.h"

#include "document/ExpatParser.h"

#include <QCoreApplication>

#include <cstring>

namespace {

/// Reads back what a save depends on, each unit's id and target, gathering text exactly as
/// the reader does, and checks each against the row of that unit as it goes, without
/// keeping what it read or building the sources and notes the check does not need.
class TargetCheck final : public ExpatParser::Handler
{
public:
    explicit TargetCheck(std::span<const UnitRecord> rows)
    {
        // Rows come from reading the file, so their numbers stay below the number of
        // rows; one far beyond cannot be a unit of it and simply reads as not landed.
        const quint64 limit = quint64(rows.size()) + 1024;
        for (const UnitRecord &row : rows) {
            if (row.tget && row.port < limit) {
                if (row.port >= m_rows.size())
                    m_rows.resize(size_t(row.port) + 1, nullptr);
                m_rows[size_t(row.port)] = &row;
            }
        }
        m_landed.assign(m_rows.size(), false);
    }

    /// Whether the row's target read back from its own unit.
    bool landed(const UnitRecord &row) const
    {
        return row.port < m_landed.size() && m_landed[size_t(row.port)];
    }

    void startElement(const char *name, const char **attributes) override
    {
        if (std::strcmp(name, "trans-unit") != 0)
            return;
        const char *id = ExpatParser::attribute(attributes, "id");
        m_name = id ? std::optional(QString::fromUtf8(id)) : std::nullopt;
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
            m_target = QString::fromUtf8(m_buffer).trimmed();
        if (std::strcmp(name, "target") == 0 || std::strcmp(name, "source") == 0 ||
            std::strcmp(name, "note") == 0)
            m_buffer.resize(0); // keeps the allocation for the next value
        if (std::strcmp(name, "trans-unit") == 0)
            finishUnit();
    }

private:
    void finishUnit()
    {
        if (m_unit < m_rows.size() && m_rows[m_unit]) {
            const UnitRecord &row = *m_rows[m_unit];
            m_landed[m_unit] = m_name == row.name && m_target == row.tget->trimmed();
        }
        // As the reader does: the next record starts empty at a unit's end, not at a start.
        m_name.reset();
        m_target.reset();
        ++m_unit;
    }

    std::vector<const UnitRecord *> m_rows; ///< rows with a target, by unit number
    std::vector<bool> m_landed;
    std::optional<QString> m_name;
    std::optional<QString> m_target;
    QByteArray m_buffer;
    size_t m_unit = 0;
    bool m_inside = false;
};

} // namespace

SpliceResult SpliceVerifier::verify(QByteArray bytes, std::span<const UnitRecord> rows)
{
    SpliceResult result;
    TargetCheck check(rows);
    ExpatParser parser(check);
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
        if (row.tget && !check.landed(row))
            result.unwritten.push_back({row.from, row.name, row.port});
    }
    result.bytes = std::move(bytes);
    return result;
}
