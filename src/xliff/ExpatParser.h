#pragma once

#include <QByteArrayView>
#include <QString>

#include <expat.h>

/// An expat parser over one whole UTF-8 document, with namespace processing off. Xcode
/// never writes a DOCTYPE, so a document type with declarations of its own is refused:
/// that rules out entity-expansion attacks, external entities and attribute defaults that
/// the file's text does not hold. An external DTD is never loaded, and a reference to an
/// entity that only such a DTD could define is an error rather than text quietly dropped.
/// A document is read as UTF-8 only: one whose declaration names another encoding is
/// refused, since other parsers would read its bytes as other characters than this one.
class ExpatParser
{
public:
    class Handler
    {
    public:
        virtual ~Handler() = default;
        /// `attributes` alternates names and values and ends with a null pointer.
        virtual void startElement(const char *name, const char **attributes) = 0;
        virtual void endElement(const char *name) = 0;
        virtual void characters(const char *text, int length) = 0;
    };

    explicit ExpatParser(Handler &handler);
    ~ExpatParser();
    ExpatParser(const ExpatParser &) = delete;
    ExpatParser &operator=(const ExpatParser &) = delete;

    /// Parses the document to its end; false at the first fatal error.
    bool parse(QByteArrayView bytes) { return screen(bytes) && feed(bytes, true); }

    /// Refuses bytes that expat would read as something other than UTF-8: a UTF-16
    /// byte-order mark, a NUL. `parse` does this first; a document parsed in pieces
    /// screens each piece.
    bool screen(QByteArrayView bytes);

    /// Parses the next piece of the document; `last` ends it. False at the first fatal error.
    bool feed(QByteArrayView bytes, bool last);

    /// Byte offset and length of the markup that raised the current callback.
    qint64 currentByteIndex() const;
    int currentByteCount() const;

    /// After a failed parse: what went wrong and where (1-based line and column).
    QString errorString() const { return m_error; }
    qint64 errorLine() const { return m_errorLine; }
    qint64 errorColumn() const { return m_errorColumn; }

    /// Whether character data is ASCII white space only, as between elements.
    static bool isBlank(const char *text, int length)
    {
        for (int i = 0; i < length; ++i) {
            const char c = text[i];
            if (c != ' ' && (c < '\t' || c > '\r'))
                return false;
        }
        return true;
    }

    /// Finds the value of an attribute in expat's attribute list.
    static const char *attribute(const char **attributes, const char *name);

private:
    static void onStart(void *self, const XML_Char *name, const XML_Char **attributes);
    static void onEnd(void *self, const XML_Char *name);
    static void onCharacters(void *self, const XML_Char *text, int length);
    static void onEntityDeclaration(void *self, const XML_Char *, int, const XML_Char *, int,
                                    const XML_Char *, const XML_Char *, const XML_Char *,
                                    const XML_Char *);
    static void onDoctype(void *self, const XML_Char *, const XML_Char *, const XML_Char *,
                          int hasInternalSubset);
    static void onXmlDeclaration(void *self, const XML_Char *version, const XML_Char *encoding,
                                 int standalone);
    static void onSkippedEntity(void *self, const XML_Char *name, int isParameterEntity);
    void refuse(const QString &reason);
    void recordError();

    XML_Parser m_parser;
    Handler &m_handler;
    QString m_refusal;
    QString m_error;
    qint64 m_errorLine = 0;
    qint64 m_errorColumn = 0;
};
