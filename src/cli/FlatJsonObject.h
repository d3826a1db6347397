#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

/// A quick reader for the common shape of a JSON Lines line: one object whose values are
/// strings or small whole numbers, such as `{"port": 12, "tget": "Öffnen"}`. It reads only
/// what it can read exactly as a full JSON parser does; anything else (nested values, true,
/// false, null, fractions, escaped surrogates, repeated keys, a byte-order mark, any error)
/// it leaves to the full parser, which also words the error.
class FlatJsonObject
{
public:
    /// A string value, or a number.
    struct Value
    {
        std::optional<QString> text;
        double number = 0;
    };

    static std::optional<FlatJsonObject> parse(QByteArrayView line);

    /// The member of that key; none when the object has no such key.
    const Value *value(QStringView key) const;

    const std::vector<std::pair<QString, Value>> &members() const { return m_members; }

private:
    std::vector<std::pair<QString, Value>> m_members;
};
