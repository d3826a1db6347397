#include "cli/CheckCommand.h"

#include "checks/AcceptedWarnings.h"
#include "checks/CheckEngine.h"
#include "cli/CliTool.h"
#include "cli/UnitJson.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("CheckCommand", text, disambiguation, n);
}

QString severityName(Problem::Severity severity)
{
    return severity == Problem::Severity::Error ? u"error"_s : u"warning"_s;
}

/// Tabs and line breaks in a field would split the line; ids may hold them.
QString field(const std::optional<QString> &value)
{
    QString text = value.value_or(QString());
    if (!text.contains(u'\\') && !text.contains(u'\t') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    return text.replace(u'\\', u"\\\\"_s)
        .replace(u'\t', u"\\t"_s)
        .replace(u'\n', u"\\n"_s)
        .replace(u'\r', u"\\r"_s);
}

QByteArray jsonLine(const UnitRecord &unit, const Problem &problem, bool accepted)
{
    QJsonObject object = UnitJson::placeOf(unit);
    object.insert(u"check"_s, problem.check);
    object.insert(u"severity"_s, severityName(problem.severity));
    object.insert(u"message"_s, problem.message);
    if (accepted)
        object.insert(u"accepted"_s, true);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

int CheckCommand::run(const QStringList &arguments, const Loader &load)
{
    const std::optional<Options> options = parse(arguments);
    if (!options)
        return CliTool::Usage;
    const ReadResult *document = load(options->path);
    if (!document)
        return CliTool::Error;
    QString error;
    const std::optional<AcceptedWarnings> acceptedWarnings =
        AcceptedWarnings::load(options->accepted, &error);
    if (!acceptedWarnings) {
        m_err << "tarnwick-cli: " << error << '\n';
        return CliTool::Error;
    }
    if (!options->accepted.isEmpty() && !QFileInfo::exists(options->accepted)) {
        m_err << "tarnwick-cli: " << options->accepted << ": " << tr("No such file") << '\n';
        return CliTool::Error;
    }
    const std::optional<QSet<QString>> terms = readTerms(options->terms);
    if (!terms)
        return CliTool::Error;
    const CheckEngine engine(document->files, options->only, *terms);
    const std::vector<Problem> problems = engine.check(document->units);
    qsizetype errors = 0;
    qsizetype accepted = 0;
    for (const Problem &problem : problems) {
        const UnitRecord &unit = document->units[problem.row];
        const bool isAccepted = acceptedWarnings->accepts(unit, problem);
        errors += problem.severity == Problem::Severity::Error ? 1 : 0;
        accepted += isAccepted ? 1 : 0;
        if (options->json) {
            m_out << QString::fromUtf8(jsonLine(unit, problem, isAccepted)) << '\n';
            continue;
        }
        m_out << field(unit.from) << '\t' << field(unit.name) << '\t' << unit.port << '\t'
              << problem.check << '\t'
              << (isAccepted ? u"accepted"_s : severityName(problem.severity)) << '\t'
              << field(problem.message) << '\n';
    }
    const qsizetype warnings = qsizetype(problems.size()) - errors - accepted;
    if (options->json) {
        QJsonObject summary{{u"errors"_s, errors}, {u"warnings"_s, warnings}};
        if (accepted > 0)
            summary.insert(u"accepted"_s, accepted);
        m_out << QString::fromUtf8(QJsonDocument(QJsonObject{{u"summary"_s, summary}})
                                       .toJson(QJsonDocument::Compact))
              << '\n';
    } else {
        m_out << tr("%1: %2 error(s), %3 warning(s)").arg(options->path).arg(errors).arg(warnings);
        if (accepted > 0)
            m_out << tr(", %1 accepted").arg(accepted);
        m_out << '\n';
    }
    m_out.flush();
    const bool failed = errors > 0 || (options->warningsAsErrors && warnings > 0);
    return failed ? ErrorsFound : CliTool::Success;
}

std::optional<CheckCommand::Options> CheckCommand::parse(const QStringList &arguments)
{
    Options options;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--json") {
            options.json = true;
        } else if (argument == u"--warnings-as-errors") {
            options.warningsAsErrors = true;
        } else if (argument == u"--accepted" || argument.startsWith(u"--accepted=")) {
            const auto file = fileOption(arguments, i, u"--accepted"_s);
            if (!file)
                return std::nullopt;
            options.accepted = *file;
        } else if (argument == u"--terms" || argument.startsWith(u"--terms=")) {
            const auto file = fileOption(arguments, i, u"--terms"_s);
            if (!file)
                return std::nullopt;
            options.terms = *file;
        } else if (argument == u"--only" || argument.startsWith(u"--only=")) {
            const bool joined = argument.startsWith(u"--only=");
            if (!joined && ++i == arguments.size()) {
                usage(tr("--only needs a list of check ids"));
                return std::nullopt;
            }
            const QString list = joined ? argument.mid(7) : arguments[i];
            const QStringList ids = list.split(u',', Qt::SkipEmptyParts);
            if (ids.isEmpty()) {
                usage(tr("--only needs a list of check ids"));
                return std::nullopt;
            }
            options.only += ids;
        } else if (argument.startsWith(u"--")) {
            usage(tr("unknown option \"%1\"").arg(argument));
            return std::nullopt;
        } else {
            positional.append(argument);
        }
    }
    if (positional.size() != 1) {
        usage(tr("check takes one PATH"));
        return std::nullopt;
    }
    const QStringList known = CheckEngine::ids();
    for (const QString &id : std::as_const(options.only)) {
        if (!known.contains(id)) {
            usage(tr("unknown check \"%1\"; the checks are %2").arg(id, known.join(u", "_s)));
            return std::nullopt;
        }
    }
    options.path = positional.first();
    return options;
}

std::optional<QString> CheckCommand::fileOption(const QStringList &arguments, qsizetype &i,
                                                const QString &name)
{
    const QString &argument = arguments[i];
    if (argument.startsWith(name + u'='))
        return argument.mid(name.size() + 1);
    if (++i == arguments.size()) {
        usage(tr("%1 needs a FILE").arg(name));
        return std::nullopt;
    }
    return arguments[i];
}

std::optional<QSet<QString>> CheckCommand::readTerms(const QString &path)
{
    QSet<QString> terms;
    if (path.isEmpty())
        return terms;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_err << "tarnwick-cli: " << path << ": " << file.errorString() << '\n';
        return std::nullopt;
    }
    // One term a line; blank lines and lines starting with # say nothing.
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString term = line.trimmed();
        if (!term.isEmpty() && !term.startsWith(u'#'))
            terms.insert(term);
    }
    return terms;
}

int CheckCommand::usage(const QString &problem)
{
    m_err << "tarnwick-cli: " << problem << '\n' << tr("Try 'tarnwick-cli --help'.") << '\n';
    return CliTool::Usage;
}
