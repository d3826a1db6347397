#pragma once

#include "catalog/JsonNode.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

/// Reads JSON text (RFC 8259, UTF-8, a leading byte-order mark allowed) into `JsonNode`s that
/// keep every value's byte range and every member, duplicate keys included.
class JsonScanner
{
public:
    struct Result
    {
        std::optional<JsonNode> root; ///< set only when the whole text parsed
        QString errorString;
        qint64 line = 0;   ///< 1-based, where the text stopped making sense
        qint64 column = 0; ///< 1-based, in bytes
    };

    /// Nesting deeper than this is refused, so hostile input cannot exhaust the stack.
    static constexpr int maxDepth = 200;

    static Result parse(QByteArrayView bytes);

private:
    explicit JsonScanner(QByteArrayView bytes) : m_bytes(bytes) {}

    bool value(JsonNode &node, int depth);
    bool object(JsonNode &node, int depth);
    bool array(JsonNode &node, int depth);
    bool string(QString &text);
    bool escape(QString &text);
    bool number(JsonNode &node);
    bool literal(JsonNode &node, QByteArrayView word, JsonNode::Kind kind);
    void skipBlanks();
    bool fail(const QString &reason);
    char peek() const { return m_pos < m_bytes.size() ? m_bytes[m_pos] : '\0'; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    QString m_error;
};
