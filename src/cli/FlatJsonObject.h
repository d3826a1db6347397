#pragma once

#include <QByteArrayView>
#include <QString>

#include <QVarLengthArray>

#include <optional>
#include <span>

/// A quick reader for the common shape of a JSON Lines line: one object whose values are
/// strings or small whole numbers, such as `{"port": 12, "tget": "Öffnen"}`. It reads only
/// what it can read exactly as a full JSON parser does; anything else (nested values, true,
/// false, null, fractions, escaped surrogates, a repeated key asked for, a byte-order mark,
/// any error) it leaves to the full parser, which also words the error. It keeps the
/// values of the keys asked for and reads past the others.
class FlatJsonObject
{
public:
    /// A string value, or a number.
    struct Value
    {
        std::optional<QString> text;
        double number = 0;
    };

    static std::optional<FlatJsonObject> parse(QByteArrayView line,
                                               std::span<const QLatin1StringView> keys);

    /// The value of `keys[index]`; none when the object has no such member.
    const Value *value(qsizetype index) const
    {
        return m_values[index] ? &*m_values[index] : nullptr;
    }

private:
    QVarLengthArray<std::optional<Value>, 4> m_values;
};
