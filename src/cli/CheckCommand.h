#pragma once

#include "document/ReadResult.h"

#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

/// `tarnwick-cli check PATH [--json] [--only ID,…] [--warnings-as-errors]`: lists the
/// problems the checks find in a document's translated units.
class CheckCommand
{
public:
    /// Exit status when errors were found (warnings too, with --warnings-as-errors).
    static constexpr int ErrorsFound = 4;

    /// Reads the document at a path, having reported why when it gives nothing.
    using Loader = std::function<const ReadResult *(const QString &path)>;

    CheckCommand(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    /// Runs the command; `arguments` follow the word "check".
    int run(const QStringList &arguments, const Loader &load);

private:
    struct Options
    {
        QString path;
        QStringList only;
        bool json = false;
        bool warningsAsErrors = false;
    };

    std::optional<Options> parse(const QStringList &arguments);
    int usage(const QString &problem);

    QTextStream &m_out;
    QTextStream &m_err;
};
