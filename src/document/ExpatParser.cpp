#include "document/ExpatParser.h"

#include <QCoreApplication>

#include <cstring>

namespace {

// expat takes lengths as int; feeding a large file in slices keeps every call in range.
constexpr qsizetype sliceSize = 64 * 1024 * 1024;

} // namespace

ExpatParser::ExpatParser(Handler &handler) : m_parser(XML_ParserCreate(nullptr)), m_handler(handler)
{
    XML_SetUserData(m_parser, this);
    XML_SetElementHandler(m_parser, &ExpatParser::onStart, &ExpatParser::onEnd);
    XML_SetCharacterDataHandler(m_parser, &ExpatParser::onCharacters);
    XML_SetEntityDeclHandler(m_parser, &ExpatParser::onEntityDeclaration);
    XML_SetParamEntityParsing(m_parser, XML_PARAM_ENTITY_PARSING_NEVER);
}

ExpatParser::~ExpatParser()
{
    XML_ParserFree(m_parser);
}

bool ExpatParser::parse(QByteArrayView bytes)
{
    if (!m_parser) {
        m_error = QCoreApplication::translate("ExpatParser", "out of memory");
        return false;
    }
    qsizetype offset = 0;
    do {
        const qsizetype length = std::min(sliceSize, bytes.size() - offset);
        const bool last = offset + length == bytes.size();
        if (XML_Parse(m_parser, bytes.data() + offset, int(length), last) != XML_STATUS_OK) {
            recordError();
            return false;
        }
        offset += length;
    } while (offset < bytes.size());
    return true;
}

qint64 ExpatParser::currentByteIndex() const
{
    return XML_GetCurrentByteIndex(m_parser);
}

int ExpatParser::currentByteCount() const
{
    return XML_GetCurrentByteCount(m_parser);
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

void ExpatParser::onEntityDeclaration(void *self, const XML_Char *, int, const XML_Char *, int,
                                      const XML_Char *, const XML_Char *, const XML_Char *,
                                      const XML_Char *)
{
    auto *parser = static_cast<ExpatParser *>(self);
    parser->m_refusedEntity = true;
    XML_StopParser(parser->m_parser, XML_FALSE);
}

void ExpatParser::recordError()
{
    m_errorLine = qint64(XML_GetCurrentLineNumber(m_parser));
    m_errorColumn = qint64(XML_GetCurrentColumnNumber(m_parser)) + 1;
    if (m_refusedEntity) {
        m_error =
            QCoreApplication::translate("ExpatParser", "entity declarations are not accepted");
        return;
    }
    m_error = QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(m_parser)));
}
