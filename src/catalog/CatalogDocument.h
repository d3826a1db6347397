#pragma once

#include "catalog/JsonNode.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

/// A String Catalog parsed whole: its JSON with every value's bytes, and what the units of
/// any language are made from.
class CatalogDocument
{
public:
    struct Parsed;
    /// The catalog in `bytes`, or the reason (and place) it is not one.
    static Parsed parse(QByteArrayView bytes);

    const JsonNode &root() const { return m_root; }
    /// The `strings` object; every entry is one of its members.
    const JsonNode &strings() const { return *m_root.member(u"strings"); }
    const QString &sourceLanguage() const { return m_sourceLanguage; }
    /// The source language and every language some entry has a localization for, sorted.
    QStringList languages() const;
    /// Every key the file writes twice in one object, as a path ("strings › Done"). This
    /// program reads and edits the first copy and keeps the second's bytes.
    QStringList duplicateKeys() const;
    /// The entry's localization for `language`, or null.
    static const JsonNode *localization(const JsonNode &entry, QStringView language);

private:
    JsonNode m_root;
    QString m_sourceLanguage;
};

struct CatalogDocument::Parsed
{
    std::optional<CatalogDocument> document;
    QString errorString;
    qint64 line = 0;
    qint64 column = 0;
};
