#include "cli/NamedOptions.h"

#include <QCoreApplication>

std::optional<NamedOptions> NamedOptions::parse(const QStringList &arguments,
                                                const QStringList &valued, const QStringList &flags,
                                                QString *problem)
{
    NamedOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (flags.contains(argument)) {
            options.m_values.insert(argument, QString());
            continue;
        }
        if (valued.contains(argument)) {
            if (++i == arguments.size()) {
                *problem = QCoreApplication::translate("CliTool", "%1 needs a value").arg(argument);
                return std::nullopt;
            }
            options.m_values.insert(argument, arguments[i]);
            continue;
        }
        if (argument.startsWith(u"--") || (argument.startsWith(u'-') && argument.size() > 1)) {
            *problem = QCoreApplication::translate("CliTool", "unknown option %1").arg(argument);
            return std::nullopt;
        }
        options.positional.append(argument);
    }
    return options;
}

std::optional<int> NamedOptions::number(const QString &name, int low, int high, bool *bad) const
{
    if (!has(name))
        return std::nullopt;
    bool ok = false;
    const int value = this->value(name).toInt(&ok);
    if (!ok || value < low || value > high) {
        *bad = true;
        return std::nullopt;
    }
    return value;
}
