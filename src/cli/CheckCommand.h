#pragma once

#include "document/ReadResult.h"

#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

/// `tarnwick-cli check PATH [--json] [--only ID,…] [--warnings-as-errors] [--accepted FILE]
/// [--terms FILE]`: lists the problems the checks find in a document's translated units.
/// Warnings accepted in FILE (see `AcceptedWarnings`) are listed as accepted and not counted;
/// the terms FILE names, one a line, the project's words kept as they are.
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
        QString accepted; ///< --accepted
        QString terms;    ///< --terms
    };

    std::optional<Options> parse(const QStringList &arguments);
    /// Reads the value of an option that takes a file, at `i` or joined by `=`.
    std::optional<QString> fileOption(const QStringList &arguments, qsizetype &i,
                                      const QString &name);
    std::optional<QSet<QString>> readTerms(const QString &path);
    int usage(const QString &problem);

    QTextStream &m_out;
    QTextStream &m_err;
};
