#pragma once

#include "catalog/JsonNode.h"
#include "catalog/XcodeJsonWriter.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <map>
#include <optional>
#include <set>
#include <vector>

/// Changes to JSON text by byte offsets: values replaced where they stand, members added to
/// or removed from objects. Added members are written in Xcode's layout and stand where
/// Xcode's key order puts them among the members kept; everything else keeps its bytes.
class JsonTextEdits
{
public:
    explicit JsonTextEdits(const XcodeJsonWriter &writer) : m_writer(writer) {}

    /// `value`'s bytes become `text`.
    void replace(const JsonNode &value, const QByteArray &text);
    /// The members waiting to be added to `object` (read from the file), as an object made in
    /// memory that the caller fills; every call for one object gives the same one.
    JsonNode &added(const JsonNode &object);
    /// The member at `index` of `object` is left out.
    void remove(const JsonNode &object, qsizetype index);
    bool isEmpty() const;

    /// `original` with every change made; nothing, and the reason, where two changes would
    /// overlap (a fault of the caller, never written).
    std::optional<QByteArray> apply(QByteArrayView original, QString *error) const;

private:
    struct Edit
    {
        qsizetype begin;
        qsizetype end;
        QByteArray text;
    };

    void objectEdits(const JsonNode &object, const JsonNode *added,
                     const std::set<qsizetype> &removed, std::vector<Edit> &edits) const;
    void insertions(const JsonNode &object, const JsonNode &added,
                    const std::vector<qsizetype> &kept, std::vector<Edit> &edits) const;
    static void removals(const JsonNode &object, const std::set<qsizetype> &removed,
                         std::vector<Edit> &edits);

    const XcodeJsonWriter &m_writer;
    std::vector<Edit> m_replacements;
    std::map<const JsonNode *, JsonNode> m_added;
    std::map<const JsonNode *, std::set<qsizetype>> m_removed;
};
