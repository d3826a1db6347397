#include "xliff/ExpatParser.h"

#include <QCoreApplication>

#include <cstring>

namespace {

// expat copies what it is given into a buffer of its own before parsing it: fed in slices,
// it reuses one buffer that stays in the cache, where a whole large document would have it
// allocate and fault in as much fresh memory again. (After every slice but the last it
// counts the lines of what it parsed, a pass that costs less than those page faults.) It
// also keeps every call's length within an int.
constexpr qsizetype sliceSize = 256 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("ExpatParser", text);
}

/// expat honours a UTF-16 byte-order mark even when told the document is UTF-8, so
/// such a document would read here but could never be saved as the UTF-8 it must be.
bool startsWithUtf16Mark(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

/// XML never allows a NUL character, and in UTF-8 no other character holds a zero byte;
/// expat would take zero bytes for UTF-16 and read such a document, which could then never
/// be saved as UTF-8.
qsizetype firstZeroByte(QByteArrayView bytes)
{
    return bytes.indexOf('\0');
}

} // namespace

ExpatParser::ExpatParser(Handler &handler) : m_parser(XML_ParserCreate("UTF-8")), m_handler(handler)
{
    if (!m_parser)
        return;
    XML_SetUserData(m_parser, this);
    XML_SetElementHandler(m_parser, &ExpatParser::onStart, &ExpatParser::onEnd);
    XML_SetCharacterDataHandler(m_parser, &ExpatParser::onCharacters);
    XML_SetStartDoctypeDeclHandler(m_parser, &ExpatParser::onDoctype);
    XML_SetEntityDeclHandler(m_parser, &ExpatParser::onEntityDeclaration);
    XML_SetSkippedEntityHandler(m_parser, &ExpatParser::onSkippedEntity);
    XML_SetXmlDeclHandler(m_parser, &ExpatParser::onXmlDeclaration);
    XML_SetParamEntityParsing(m_parser, XML_PARAM_ENTITY_PARSING_NEVER);
}

ExpatParser::~ExpatParser()
{
    if (m_parser)
        XML_ParserFree(m_parser);
}

bool ExpatParser::screen(QByteArrayView bytes)
{
    if (!m_parser) {
        m_error = tr("out of memory");
        return false;
    }
    if (startsWithUtf16Mark(bytes)) {
        m_error = tr("the document is UTF-16, not UTF-8");
        m_errorLine = 1;
        m_errorColumn = 1;
        return false;
    }
    if (const qsizetype zero = firstZeroByte(bytes); zero >= 0) {
        const QByteArrayView before = bytes.first(zero);
        const qsizetype lineStart = before.lastIndexOf('\n') + 1;
        m_error = tr("the document holds a NUL character");
        m_errorLine = before.count('\n') + 1;
        m_errorColumn = zero - lineStart + 1;
        return false;
    }
    return true;
}

bool ExpatParser::feed(QByteArrayView bytes, bool last)
{
    if (!m_parser) {
        m_error = tr("out of memory");
        return false;
    }
    qsizetype offset = 0;
    do {
        const qsizetype length = std::min(sliceSize, bytes.size() - offset);
        const bool final = last && offset + length == bytes.size();
        if (XML_Parse(m_parser, bytes.data() + offset, int(length), final) != XML_STATUS_OK) {
            recordError();
            return false;
        }
        offset += length;
    } while (offset < bytes.size());
    return true;
}

qint64 ExpatParser::currentByteIndex() const
{
    return m_parser ? XML_GetCurrentByteIndex(m_parser) : -1;
}

int ExpatParser::currentByteCount() const
{
    return m_parser ? XML_GetCurrentByteCount(m_parser) : 0;
}

const char *ExpatParser::attribute(const char **attributes, const char *name)
{
    for (; attributes && attributes[0]; attributes += 2) {
        if (std::strcmp(attributes[0], name) == 0)
            return attributes[1];
    }
    return nullptr;
}

void ExpatParser::onStart(void *self, const XML_Char *name, const XML_Char **attributes)
{
    static_cast<ExpatParser *>(self)->m_handler.startElement(name, attributes);
}

void ExpatParser::onEnd(void *self, const XML_Char *name)
{
    static_cast<ExpatParser *>(self)->m_handler.endElement(name);
}

void ExpatParser::onCharacters(void *self, const XML_Char *text, int length)
{
    static_cast<ExpatParser *>(self)->m_handler.characters(text, length);
}

void ExpatParser::onDoctype(void *self, const XML_Char *, const XML_Char *, const XML_Char *,
                            int hasInternalSubset)
{
    if (hasInternalSubset)
        static_cast<ExpatParser *>(self)->refuse(
            tr("a document type with declarations is not accepted"));
}

void ExpatParser::onEntityDeclaration(void *self, const XML_Char *, int, const XML_Char *, int,
                                      const XML_Char *, const XML_Char *, const XML_Char *,
                                      const XML_Char *)
{
    static_cast<ExpatParser *>(self)->refuse(tr("entity declarations are not accepted"));
}

void ExpatParser::onXmlDeclaration(void *self, const XML_Char *, const XML_Char *encoding, int)
{
    if (!encoding || QByteArrayView(encoding).compare("UTF-8", Qt::CaseInsensitive) == 0)
        return;
    static_cast<ExpatParser *>(self)->refuse(
        tr("the file declares the encoding %1; only UTF-8 files are read")
            .arg(QString::fromUtf8(encoding)));
}

void ExpatParser::onSkippedEntity(void *self, const XML_Char *name, int)
{
    static_cast<ExpatParser *>(self)->refuse(
        tr("undefined entity \"%1\"").arg(QString::fromUtf8(name)));
}

void ExpatParser::refuse(const QString &reason)
{
    // Only the first reason counts: the parser stops at once.
    if (m_refusal.isEmpty())
        m_refusal = reason;
    XML_StopParser(m_parser, XML_FALSE);
}

void ExpatParser::recordError()
{
    m_errorLine = qint64(XML_GetCurrentLineNumber(m_parser));
    m_errorColumn = qint64(XML_GetCurrentColumnNumber(m_parser)) + 1;
    if (!m_refusal.isEmpty()) {
        m_error = m_refusal;
        return;
    }
    m_error = QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(m_parser)));
}
