#include "cli/CliTool.h"

#include "cli/EditList.h"
#include "cli/UnitJson.h"
#include "document/DocumentFile.h"
#include "document/TargetDiff.h"
#include "document/XliffFinder.h"
#include "document/XliffReader.h"
#include "document/XliffWriter.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <map>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("CliTool", text, disambiguation, n);
}

const char *const helpText = R"(Usage: tarnwick-cli COMMAND ...

Reads and edits XLIFF files exported by Xcode. PATH is an .xliff file or a folder
(such as an .xcloc) holding exactly one .xliff file.

Commands:
  units PATH                 Print every unit as one JSON object per line, in
                             document order: from, name, srcs, tget, note, part
                             (absent keys left out) and port.
  apply PATH EDITS [-o OUT]  Set targets from EDITS (JSON Lines, each
                             {"port": N, "tget": "..."} or
                             {"from": "...", "name": "...", "tget": "..."}),
                             splice them into the file and write it atomically
                             to OUT (default: in place).
  stats PATH                 Count units with a target, with an empty target and
                             without one, per <file> element and in total.
  verify EDITED ORIGINAL     Check that EDITED differs from ORIGINAL only inside
                             target elements (and inserted target lines); list
                             each changed unit as file and id. Exit 1 naming the
                             first difference outside a target otherwise.

Options:
  -h, --help                 Show this help.
  --version                  Show the version.

Exit status: 0 success, 1 error, 2 usage error, 3 written but some targets
could not be placed (each is listed).
)";

struct Counts
{
    qint64 units = 0;
    qint64 translated = 0;
    qint64 empty = 0;
    qint64 missing = 0;

    void add(const UnitRecord &unit)
    {
        ++units;
        if (!unit.tget)
            ++missing;
        else if (unit.tget->isEmpty())
            ++empty;
        else
            ++translated;
    }
};

} // namespace

int CliTool::run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usage(tr("no command given"));
    const QString &command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == u"-h" || command == u"--help") {
        m_out << QString::fromUtf8(helpText);
        return Success;
    }
    if (command == u"--version") {
        m_out << "tarnwick-cli " << QCoreApplication::applicationVersion() << '\n';
        return Success;
    }
    if (command == u"units")
        return units(rest);
    if (command == u"apply")
        return apply(rest);
    if (command == u"stats")
        return stats(rest);
    if (command == u"verify")
        return verify(rest);
    return usage(tr("unknown command \"%1\"").arg(command));
}

int CliTool::units(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usage(tr("units takes one PATH"));
    const auto document = load(arguments.first());
    if (!document)
        return Error;
    for (const UnitRecord &unit : document->content.units)
        m_out << QString::fromUtf8(UnitJson::toLine(UnitJson::toJson(unit))) << '\n';
    return Success;
}

int CliTool::apply(const QStringList &arguments)
{
    QStringList positional;
    QString output;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"-o" || arguments[i] == u"--output") {
            if (++i == arguments.size())
                return usage(tr("-o needs a file name"));
            output = arguments[i];
        } else {
            positional.append(arguments[i]);
        }
    }
    if (positional.size() != 2)
        return usage(tr("apply takes PATH and EDITS"));
    auto document = load(positional[0]);
    if (!document)
        return Error;
    const DocumentFile::Bytes editsFile = DocumentFile::read(positional[1]);
    if (!editsFile.error.isEmpty())
        return fail(u"%1: %2"_s.arg(positional[1], editsFile.error));
    QString error;
    const auto edits = EditList::parse(editsFile.bytes, &error);
    if (!edits || !edits->applyTo(document->content.units, &error))
        return fail(u"%1: %2"_s.arg(positional[1], error));
    return save(document->path, output.isEmpty() ? document->path : output,
                document->content.units);
}

int CliTool::stats(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usage(tr("stats takes one PATH"));
    const auto document = load(arguments.first());
    if (!document)
        return Error;
    std::vector<std::pair<QString, Counts>> perFile;
    Counts total;
    for (const UnitRecord &unit : document->content.units) {
        const QString from = unit.from.value_or(QString());
        if (perFile.empty() || perFile.back().first != from)
            perFile.emplace_back(from, Counts{});
        perFile.back().second.add(unit);
        total.add(unit);
    }
    const auto line = [this](const QString &label, const Counts &c) {
        m_out << c.units << '\t' << c.translated << '\t' << c.empty << '\t' << c.missing << '\t'
              << label << '\n';
    };
    m_out << "units\ttarget\tempty\tnone\tfile\n";
    for (const auto &[from, counts] : perFile)
        line(from, counts);
    line(tr("(total)"), total);
    return Success;
}

int CliTool::verify(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return usage(tr("verify takes EDITED and ORIGINAL"));
    const DocumentFile::Bytes edited = DocumentFile::read(arguments[0]);
    if (!edited.error.isEmpty())
        return fail(u"%1: %2"_s.arg(arguments[0], edited.error));
    const DocumentFile::Bytes original = DocumentFile::read(arguments[1]);
    if (!original.error.isEmpty())
        return fail(u"%1: %2"_s.arg(arguments[1], original.error));
    const TargetDiff::Result diff = TargetDiff::compare(edited.bytes, original.bytes);
    if (!diff.problem.isEmpty())
        return fail(
            tr("cannot compare %1 with %2: %3").arg(arguments[0], arguments[1], diff.problem));
    if (!diff.onlyTargets) {
        return fail(tr("%1:%2:%3: differs from %4 outside the target elements")
                        .arg(arguments[0])
                        .arg(diff.line)
                        .arg(diff.column)
                        .arg(arguments[1]));
    }
    for (const TargetDiff::ChangedUnit &unit : diff.changed)
        m_out << unit.from.value_or(QString()) << '\t' << unit.name.value_or(QString()) << '\n';
    return Success;
}

int CliTool::usage(const QString &problem)
{
    m_err << "tarnwick-cli: " << problem << '\n' << tr("Try 'tarnwick-cli --help'.") << '\n';
    return Usage;
}

int CliTool::fail(const QString &message)
{
    m_err << "tarnwick-cli: " << message << '\n';
    return Error;
}

std::optional<CliTool::Document> CliTool::load(const QString &path)
{
    QString file = path;
    if (!XliffFinder::isXliffPath(path)) {
        const QStringList found = XliffFinder::find(path);
        if (found.isEmpty()) {
            fail(u"%1: %2"_s.arg(path, tr("No appropriate files found")));
            return std::nullopt;
        }
        if (found.size() > 1) {
            fail(tr("%1 holds several XLIFF files; name one of them:\n  %2")
                     .arg(path, found.join(u"\n  "_s)));
            return std::nullopt;
        }
        file = found.first();
    }
    Document document{file, XliffReader(m_state.parse).readFile(file)};
    m_state.document.documentPath = file;
    const ReadResult &read = document.content;
    if (read.complete)
        return document;
    if (read.line > 0)
        fail(u"%1:%2:%3: %4"_s.arg(file).arg(read.line).arg(read.column).arg(read.errorString));
    else
        fail(u"%1: %2"_s.arg(file, read.errorString));
    return std::nullopt;
}

int CliTool::save(const QString &source, const QString &target, const std::vector<UnitRecord> &rows)
{
    const SpliceResult result = XliffWriter::pack(source, rows);
    if (!result.text)
        return fail(u"%1: %2"_s.arg(source, result.errorString));
    QString error;
    if (!DocumentFile::write(target, result.bytes, &error))
        return fail(u"%1: %2"_s.arg(target, error));
    if (result.unwritten.empty())
        return Success;
    m_err << tr("%1: %n target(s) could not be placed:", nullptr, int(result.unwritten.size()))
                 .arg(target)
          << '\n';
    for (const UnwrittenUnit &unit : result.unwritten) {
        m_err << "  " << unit.from.value_or(QString()) << '\t' << unit.name.value_or(QString())
              << '\t' << tr("unit %1").arg(unit.port) << '\n';
    }
    return PartlyWritten;
}
