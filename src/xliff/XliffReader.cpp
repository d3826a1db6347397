#include "xliff/XliffReader.h"

#include "files/DocumentFile.h"
#include "xliff/ExpatParser.h"
#include "files/HugePages.h"

#include <QAnyStringView>

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
class UnitCollector final : public ParallelParse::SecondPart
{
public:
    explicit UnitCollector(ParseState &state) : m_state(state) {}

    /// As the second part of a document cut in two, it starts where the whole parse would
    /// stand at the cut: inside the document's units, having counted those before it.
    void startAt(const DocumentCut &cut) override
    {
        m_state.insideUnit = true;
        m_state.unitCounter = cut.unitsBefore;
    }

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
        if (named(name, "source") || named(name, "target")) {
            m_valueStart = m_state.textBuffer.size();
            m_insideValue = true;
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
        // Inside a source or target they are its blanks, kept in the raw value.
        if (m_state.textBuffer.empty() && !m_insideValue && ExpatParser::isBlank(text, length))
            return;
        m_state.textBuffer.append(text, size_t(length));
    }

    void endElement(const char *name) override
    {
        if (named(name, "source")) {
            m_state.currentUnit.srcsRaw = rawValue();
            m_state.currentUnit.srcs = takeBuffer(m_state.currentUnit.name);
            fixRaw(m_state.currentUnit.srcsRaw, m_state.currentUnit.srcs);
        } else if (named(name, "target")) {
            m_state.currentUnit.tgetRaw = rawValue();
            m_state.currentUnit.tget = takeBuffer(m_state.currentUnit.srcs);
            fixRaw(m_state.currentUnit.tgetRaw, m_state.currentUnit.tget);
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

    /// Whether the state stands between units, as a collector that has read `units` units
    /// and starts on the next one holds it: nothing gathered, no value of the next unit.
    bool restsBetweenUnits(quint64 units) const
    {
        const UnitRecord &unit = m_state.currentUnit;
        return m_state.insideUnit && m_state.unitCounter == units && m_state.textBuffer.empty() &&
               !unit.name && !unit.srcs && !unit.tget && !unit.note && !unit.part && !unit.state &&
               unit.translatable && unit.port == 0;
    }

private:
    /// The value's own text as the file holds it, decoded; nothing where it is surely the
    /// stored value: nothing gathered before it and no white space at either end.
    std::optional<QString> rawValue()
    {
        m_insideValue = false;
        const std::string &buffer = m_state.textBuffer;
        const size_t start = std::min(m_valueStart, buffer.size());
        const QByteArrayView own(buffer.data() + start, qsizetype(buffer.size() - start));
        const auto plain = [](char c) { return c > ' ' && static_cast<unsigned char>(c) < 0x80; };
        if (own.isEmpty() || (start == 0 && plain(own.front()) && plain(own.back())))
            return std::nullopt;
        return QString::fromUtf8(own);
    }

    /// Keeps a raw value only where it differs from the stored one.
    static void fixRaw(std::optional<QString> &raw, const std::optional<QString> &stored)
    {
        if (raw && raw == stored)
            raw.reset();
    }

    QString takeBuffer(const std::optional<QString> &same = std::nullopt)
    {
        const QByteArrayView gathered(m_state.textBuffer.data(),
                                      qsizetype(m_state.textBuffer.size()));
        QString text =
            same && storesAs(gathered, *same) ? *same : XliffReader::storedValue(gathered);
        m_state.textBuffer.clear(); // keeps the allocation for the next value
        return text;
    }

    /// Whether the gathered text is stored as `value`. A strings table's ids are their
    /// source texts, and many targets are their sources: such a value shares the text it
    /// equals instead of holding a copy of its own.
    static bool storesAs(QByteArrayView gathered, const QString &value)
    {
        if (value.isEmpty() || value.front().isSpace() || value.back().isSpace())
            return false;
        return QAnyStringView::equal(QUtf8StringView(gathered.trimmed()), value);
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
    size_t m_valueStart = 0;    ///< where the open source or target's text starts in the buffer
    bool m_insideValue = false; ///< between a source's or target's start and end tags
    QString m_lastPart;
    QString m_lastState;
    std::vector<FileHeader> m_files;
};

/// Empties the state for a parse of `bytes` bytes and makes room for the units an export
/// of this size usually holds (a unit takes 150 to 500 bytes), so the list is seldom moved
/// while it grows; memory never touched costs none. Past a million units it grows as it
/// needs. `insideUnit` is left as it is: it carries over from parse to parse.
void startParse(ParseState &state, size_t bytes)
{
    state.unitCounter = 0;
    state.currentUnit = UnitRecord{};
    state.textBuffer.clear();
    std::vector<UnitRecord> &units = state.parsedUnits;
    units.clear();
    units.reserve(std::min<size_t>(bytes / 128, 1 << 20));
    HugePages::advise(units.data(), qsizetype(units.capacity() * sizeof(UnitRecord)));
}

/// Gives the second part's records and state the document's `<file>` numbers: its first
/// file, when the cut lies inside a `<file>`, is the first part's last.
void renumberFiles(ParseState &second, qint32 shift)
{
    const auto renumber = [shift](UnitRecord &unit) {
        if (unit.file >= 0)
            unit.file += shift;
    };
    for (UnitRecord &unit : second.parsedUnits)
        renumber(unit);
    renumber(second.currentUnit);
}

} // namespace

ReadResult XliffReader::read(QByteArrayView bytes)
{
    const bool insideUnit = m_state.insideUnit;
    ReadResult result;
    if (readInParts(bytes, result))
        return result;
    m_state.insideUnit = insideUnit;
    startParse(m_state, size_t(bytes.size()));

    UnitCollector collector(m_state);
    ExpatParser parser(collector);
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

bool XliffReader::readInParts(QByteArrayView bytes, ReadResult &result)
{
    if (bytes.size() < m_parallelFrom)
        return false;
    startParse(m_state, size_t(bytes.size()));
    ParseState second;
    startParse(second, size_t(bytes.size()) / 2);
    UnitCollector firstCollector(m_state);
    UnitCollector secondCollector(second);
    const std::optional<DocumentCut> cut =
        ParallelParse::run(bytes, m_parallelFrom, firstCollector, secondCollector);
    if (!cut || !firstCollector.restsBetweenUnits(cut->unitsBefore))
        return false;

    result.files = firstCollector.takeFiles();
    std::vector<FileHeader> laterFiles = secondCollector.takeFiles();
    const bool continuesFile = cut->fileTag >= 0;
    renumberFiles(second, qint32(result.files.size()) - (continuesFile ? 1 : 0));
    result.files.insert(result.files.end(),
                        std::make_move_iterator(laterFiles.begin() + (continuesFile ? 1 : 0)),
                        std::make_move_iterator(laterFiles.end()));
    result.units = std::move(m_state.parsedUnits);
    result.units.insert(result.units.end(), std::make_move_iterator(second.parsedUnits.begin()),
                        std::make_move_iterator(second.parsedUnits.end()));
    result.complete = true;
    m_state.parsedUnits.clear();
    m_state.unitCounter = second.unitCounter;
    m_state.currentUnit = std::move(second.currentUnit);
    m_state.textBuffer = std::move(second.textBuffer);
    return true;
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
