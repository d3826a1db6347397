#include "document/XliffReader.h"

#include "document/DocumentFile.h"
#include "document/ExpatParser.h"

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

bool named(const char *name, const char *expected)
{
    return std::strcmp(name, expected) == 0;
}

std::optional<QString> attributeText(const char **attributes, const char *name)
{
    const char *value = ExpatParser::attribute(attributes, name);
    if (!value)
        return std::nullopt;
    return QString::fromUtf8(value);
}

/// The parser callbacks: build one record per `trans-unit`.
class UnitCollector final : public ExpatParser::Handler
{
public:
    explicit UnitCollector(ParseState &state) : m_state(state) {}

    void startElement(const char *name, const char **attributes) override
    {
        if (named(name, "file")) {
            m_state.currentUnit.from = attributeText(attributes, "original");
            m_state.currentUnit.file = qint32(m_files.size());
            m_files.push_back({m_state.currentUnit.from,
                               attributeText(attributes, "source-language"),
                               attributeText(attributes, "target-language")});
            return;
        }
        if (named(name, "target")) {
            const char *state = ExpatParser::attribute(attributes, "state");
            m_state.currentUnit.state =
                state ? std::optional<QString>(shared(m_lastState, QString::fromUtf8(state)))
                      : std::nullopt;
            return;
        }
        if (named(name, "trans-unit")) {
            m_state.currentUnit.name = attributeText(attributes, "id");
            const char *translate = ExpatParser::attribute(attributes, "translate");
            m_state.currentUnit.translatable = !(translate && named(translate, "no"));
            m_state.insideUnit = true;
        }
    }

    void characters(const char *text, int length) override
    {
        if (!m_state.insideUnit || length <= 0)
            return;
        // Leading ASCII white space is cut when the value is stored, so the indentation
        // and line breaks between elements need not be gathered at all.
        if (m_state.textBuffer.empty() && ExpatParser::isBlank(text, length))
            return;
        m_state.textBuffer.append(text, size_t(length));
    }

    void endElement(const char *name) override
    {
        if (named(name, "source")) {
            m_state.currentUnit.srcs = takeBuffer();
        } else if (named(name, "target")) {
            m_state.currentUnit.tget = takeBuffer();
        } else if (named(name, "note")) {
            QString note = takeBuffer();
            if (auto part = XliffReader::noteClass(note))
                m_state.currentUnit.part = shared(m_lastPart, *part);
            m_state.currentUnit.note = std::move(note);
        } else if (named(name, "trans-unit")) {
            finishUnit();
        }
    }

    /// The files met so far, handed over with the units.
    std::vector<FileHeader> takeFiles() { return std::move(m_files); }

private:
    QString takeBuffer()
    {
        QString text = XliffReader::storedValue(
            QByteArrayView(m_state.textBuffer.data(), qsizetype(m_state.textBuffer.size())));
        m_state.textBuffer.clear(); // keeps the allocation for the next value
        return text;
    }

    /// A class name or state shares the text of the last one when they are equal: an
    /// export names the same few classes and states tens of thousands of times.
    static QString shared(QString &last, QStringView value)
    {
        if (value != last)
            last = value.toString();
        return last;
    }

    void finishUnit()
    {
        UnitRecord &unit = m_state.currentUnit;
        unit.port = m_state.unitCounter;
        std::optional<QString> from = unit.from;
        const qint32 file = unit.file;
        m_state.parsedUnits.push_back(std::move(unit));
        unit = UnitRecord{};
        unit.from = std::move(from);
        unit.file = file;
        ++m_state.unitCounter;
    }

    ParseState &m_state;
    QString m_lastPart;
    QString m_lastState;
    std::vector<FileHeader> m_files;
};

} // namespace

ReadResult XliffReader::read(QByteArrayView bytes)
{
    m_state.unitCounter = 0;
    m_state.currentUnit = UnitRecord{};
    m_state.parsedUnits.clear();
    // Room for the units an export of this size usually holds (a unit takes 150 to 500
    // bytes), so the list is seldom moved while it grows; memory never touched costs none.
    // Past a million units it grows as it needs.
    m_state.parsedUnits.reserve(std::min<size_t>(size_t(bytes.size() / 128), 1 << 20));
    m_state.textBuffer.clear();

    UnitCollector collector(m_state);
    ExpatParser parser(collector);
    ReadResult result;
    if (!parser.parse(bytes)) {
        result.errorString = parser.errorString();
        result.line = parser.errorLine();
        result.column = parser.errorColumn();
        return result;
    }
    result.complete = true;
    result.units = std::move(m_state.parsedUnits);
    result.files = collector.takeFiles();
    m_state.parsedUnits.clear();
    return result;
}

ReadResult XliffReader::readFile(const QString &path, QByteArray *bytesRead)
{
    const DocumentFile::Bytes file = DocumentFile::read(path);
    if (!file.error.isEmpty()) {
        ReadResult result;
        result.errorString = file.error;
        return result;
    }
    if (bytesRead)
        *bytesRead = file.bytes;
    return read(file.bytes);
}

QString XliffReader::storedValue(QByteArrayView gathered)
{
    // Most of what gathers around a value is ASCII indentation: cut it from the bytes
    // first, so only the value is converted; trimmed() then takes any other spaces.
    QString text = QString::fromUtf8(gathered.trimmed());
    if (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()))
        text = std::move(text).trimmed();
    return text;
}

std::optional<QStringView> XliffReader::noteClass(QStringView note)
{
    // Leftmost match of `Class = "([^"]+)"`: at least one character that is not a quote,
    // then a quote. When the first candidate has no closing quote, no later one has either.
    static constexpr QStringView lead = u"Class = \"";
    for (qsizetype at = note.indexOf(lead); at >= 0; at = note.indexOf(lead, at + 1)) {
        const qsizetype begin = at + lead.size();
        const qsizetype end = note.indexOf(u'"', begin);
        if (end < 0)
            return std::nullopt;
        if (end > begin)
            return note.sliced(begin, end - begin);
    }
    return std::nullopt;
}
