#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

/// The options of a command that takes named values (`--min 80`) and flags
/// (`--exact-as-translated`) in any order among its positional arguments.
class NamedOptions
{
public:
    /// Nothing, with `problem` set, for an option without its value or one not known.
    static std::optional<NamedOptions> parse(const QStringList &arguments,
                                             const QStringList &valued, const QStringList &flags,
                                             QString *problem);

    QStringList positional;

    bool has(const QString &name) const { return m_values.contains(name); }
    QString value(const QString &name) const { return m_values.value(name); }
    /// A whole number in [low, high]; nothing when the option is missing or not such a number.
    std::optional<int> number(const QString &name, int low, int high, bool *bad) const;

private:
    QHash<QString, QString> m_values;
};
