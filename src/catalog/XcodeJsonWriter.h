#pragma once

#include "catalog/JsonNode.h"
#include "catalog/KeyOrder.h"

#include <QByteArray>
#include <QStringView>

/// Writes JSON the way Xcode writes a String Catalog: two spaces per level, `" : "` between
/// key and value, every object's keys in `KeyOrder`, an empty object or array as its opening
/// bracket, a blank line and the indented closing one, `/` and non-ASCII characters raw
/// (U+2028 too), control characters escaped.
class XcodeJsonWriter
{
public:
    /// `value` as it stands at `depth` (its closing bracket indented `depth` levels).
    QByteArray write(const JsonNode &value, int depth) const;
    /// `"key" : value`, the value standing at `depth`.
    QByteArray member(const QString &key, const JsonNode &value, int depth) const;
    /// The members of `object` in the order Xcode writes them.
    std::vector<const JsonMember *> sorted(const JsonNode &object) const;

    static QByteArray quoted(QStringView text);
    static QByteArray indent(int depth) { return QByteArray(2 * depth, ' '); }
    const KeyOrder &keyOrder() const { return m_keyOrder; }

private:
    void append(QByteArray &out, const JsonNode &value, int depth) const;

    KeyOrder m_keyOrder;
};
