#include "cli/CliTool.h"

#include "catalog/CatalogReader.h"
#include "catalog/CatalogSave.h"
#include "cli/ApplyCommand.h"
#include "cli/CarryCommand.h"
#include "cli/CatalogCli.h"
#include "cli/CheckCommand.h"
#include "cli/DictionaryCommand.h"
#include "cli/FillCommand.h"
#include "cli/MemoryCommand.h"
#include "cli/PretranslateCommand.h"
#include "cli/StatsCommand.h"
#include "cli/UnitsCommand.h"
#include "cli/VerifyCommand.h"
#include "files/DocumentFile.h"
#include "splice/DocumentSave.h"
#include "splice/XliffWriter.h"
#include "xliff/XliffFinder.h"
#include "xliff/XliffReader.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const char *const helpText = R"(Usage: tarnwick-cli COMMAND ...

Reads and edits XLIFF files exported by Xcode. PATH is an .xliff file or a folder
(such as an .xcloc) holding exactly one .xliff file, or a String Catalog
(.xcstrings), which every command reads for the one language --language L names.

Commands:
  units PATH                 Print every unit as one JSON object per line, in
                             document order: from, name, srcs, tget, note, part
                             (absent keys left out) and port.
  apply PATH EDITS [-o OUT]  Set targets from EDITS (JSON Lines, each
                             {"port": N, "tget": "..."} or
                             {"from": "...", "name": "...", "tget": "..."}),
                             splice them into the file and write it atomically
                             to OUT (default: in place). OUT may be - for
                             standard output; a pipe or character device is
                             written straight into, never replaced.
  stats PATH                 Count units with a target, with an empty target and
                             without one, per <file> element and in total; for a
                             String Catalog without --language, per language.
  fill PATH [-o OUT] [--dictionary FILE]
                             Fill targets from the replacement dictionary (the
                             application's, or FILE in the format `dictionary`
                             prints) and the menu-title rules, then save as
                             apply does.
  carry EARLIER PATH [-o OUT] [--overwrite] [--exact-only] [--json]
                             Fill the untranslated units of PATH from EARLIER,
                             an earlier translated .xliff file, .xcloc or folder:
                             a unit with the same file, id and source gives its
                             target, blanks kept; else one with the same source
                             gives a suggestion, always marked for review.
                             --overwrite replaces translated targets with exact
                             ones (never a suggestion); --exact-only makes no
                             suggestion; --json lists each filled unit (from,
                             name, port, kind) on standard output. Saves as
                             apply does; the counts go to standard error.
  dictionary [--builtin]     Print the application's replacement dictionary (or
                             the built-in one) as JSON Lines {"srcs","tget"}.
  verify EDITED ORIGINAL     Check that EDITED differs from ORIGINAL only inside
                             target elements (and inserted target lines); list
                             each changed unit as a JSON line (from, name, port).
                             Exit 1 naming the first difference outside a target
                             otherwise. For String Catalogs (with --language L):
                             only L's strings may differ.
  check PATH [--json] [--only ID,...] [--warnings-as-errors]
        [--accepted FILE] [--terms FILE]
                             Check the translated units for mistakes: format
                             specifiers and plural forms (errors), blanks, line
                             breaks, ellipses, ending punctuation, markup,
                             unchanged targets and Japanese typography
                             (warnings). One line per problem (from, id, port,
                             check, severity, message, tab-separated; JSON Lines
                             with --json), then a summary. --only runs the named
                             checks: format, plural, blanks, line-breaks,
                             ellipsis, punctuation, markup, unchanged,
                             half-width-kana, menu-period. Warnings accepted in
                             FILE (JSON Lines {"from","name","check","srcs"})
                             are marked accepted and not counted; --terms names
                             the project's words kept as they are, one a line.
  memory import FILE... [--memory DB]
                             Add TMX files and the translated units of exports
                             to the translation memory; print what was added,
                             skipped and why.
  memory export -o FILE [--source-language L] [--target-language L]
                             Write the memory (or the entries of the languages
                             given) as TMX 1.4b.
  memory lookup --target-language L [--source-language L] [--min N] [--limit K]
                             Read JSON Lines {"srcs": "..."} from standard input
                             and print each text's matches (score 0-100, at
                             least N, default 70; at most K, default 5) as one
                             JSON line {"srcs", "matches": [{"score", "srcs",
                             "tget", "from", "name", "project"}]}.
  memory stats               Count the entries of each pair of languages.
  memory delete [--source-language L] [--target-language L] [--project P]
                [--source TEXT] | --all
                             Delete the entries that match every option given.
  pretranslate PATH [--min N] [-o OUT] [--exact-as-translated]
                             Fill untranslated units from their best match in
                             the memory scoring at least N (default 100), each
                             marked for review (100 % matches too, unless
                             --exact-as-translated). Saves as apply does; the
                             counts go to standard error.
  The memory is the one in the data folder; --memory DB names another file.
  Languages are BCP 47 tags: "ja" takes "ja-JP" too.

Options:
  --language L               The language of a String Catalog to read and write.
  -h, --help                 Show this help.
  --version                  Show the version.

A save keeps the file's permissions, owner and group, and refuses a file
without write permission. Nothing is written when the result could not be
opened again (a file over 256 MB, or not well-formed XML).

Exit status: 0 success, 1 error (also when standard output cannot be written),
2 usage error, 3 written but some targets could not be placed (each is listed),
4 check found errors (or warnings, with --warnings-as-errors).
)";

} // namespace

int CliTool::run(const QStringList &arguments)
{
    return finish(command(arguments));
}

int CliTool::finish(int exit)
{
    // Output smaller than the stream's buffer is only written now: a full disk or a closed
    // pipe shows here, and the command has not succeeded if its output is lost.
    m_out.flush();
    auto *file = qobject_cast<QFileDevice *>(m_out.device());
    const bool written = m_out.status() == QTextStream::Ok &&
                         (!file || (file->flush() && file->error() == QFileDevice::NoError));
    if (written || m_outputFailed)
        return m_outputFailed ? Error : exit;
    fail(tr("could not write the output: %1")
             .arg(file ? file->errorString() : tr("the stream refused it")));
    return Error;
}

int CliTool::command(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usage(tr("no command given"));
    const QString &command = arguments.first();
    QStringList rest = arguments.mid(1);
    QString problem;
    if (!CatalogCli::takeLanguage(rest, m_language, &problem))
        return usage(problem);
    if (const QString needed = languageNeeded(command, rest); !needed.isEmpty())
        return usage(needed);
    if (command == u"-h" || command == u"--help") {
        m_out << QString::fromUtf8(helpText);
        return Success;
    }
    if (command == u"--version") {
        m_out << "tarnwick-cli " << QCoreApplication::applicationVersion() << '\n';
        return Success;
    }
    if (command == u"units")
        return UnitsCommand(*this).run(rest);
    if (command == u"apply")
        return ApplyCommand(*this).run(rest);
    if (command == u"stats")
        return StatsCommand(*this).run(rest);
    if (command == u"verify")
        return VerifyCommand(*this).run(rest);
    if (command == u"fill")
        return FillCommand(*this).run(rest);
    if (command == u"dictionary")
        return DictionaryCommand(*this).run(rest);
    if (command == u"check") {
        return CheckCommand(m_out, m_err).run(rest, [this](const QString &path) {
            const Document *document = load(path);
            return document ? &document->content : nullptr;
        });
    }
    if (command == u"carry")
        return CarryCommand(*this).run(rest);
    if (command == u"memory")
        return MemoryCommand(*this).run(rest);
    if (command == u"pretranslate")
        return PretranslateCommand(*this).run(rest);
    return usage(tr("unknown command \"%1\"").arg(command));
}

bool CliTool::writeOut(QByteArrayView utf8)
{
    m_out.flush();
    QIODevice *device = m_out.device();
    if (!device) {
        m_out << QString::fromUtf8(utf8);
        return true;
    }
    if (device->write(utf8.data(), utf8.size()) == utf8.size())
        return true;
    fail(tr("could not write the output: %1").arg(device->errorString()));
    m_outputFailed = true;
    return false;
}

std::optional<CliTool::Options> CliTool::options(const QStringList &arguments, bool takesDictionary)
{
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool output = argument == u"-o" || argument == u"--output";
        const bool dictionary = takesDictionary && argument == u"--dictionary";
        if (!output && !dictionary) {
            options.positional.append(argument);
            continue;
        }
        if (++i == arguments.size()) {
            usage(tr("%1 needs a file name").arg(argument));
            return std::nullopt;
        }
        (output ? options.output : options.dictionary) = arguments[i];
    }
    return options;
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

CliTool::Document *CliTool::load(const QString &path)
{
    if (CatalogReader::isCatalogPath(path))
        return loadCatalog(path);
    QString file = path;
    if (!XliffFinder::isXliffPath(path)) {
        const QStringList found = XliffFinder::find(path);
        if (found.isEmpty()) {
            fail(u"%1: %2"_s.arg(path, tr("No appropriate files found")));
            return nullptr;
        }
        if (found.size() > 1) {
            fail(tr("%1 holds several XLIFF files; name one of them:\n  %2")
                     .arg(path, found.join(u"\n  "_s)));
            return nullptr;
        }
        file = found.first();
    }
    DocumentFile::Bytes bytes = DocumentFile::read(file);
    m_state.document.documentPath = file;
    if (!bytes.error.isEmpty()) {
        fail(u"%1: %2"_s.arg(file, bytes.error));
        return nullptr;
    }
    Document &document = m_document.emplace(file, std::move(bytes.bytes), ReadResult{});
    document.content = XliffReader(m_state.parse).read(document.bytes);
    const ReadResult &read = document.content;
    if (read.complete)
        return &document;
    if (read.line > 0)
        fail(u"%1:%2:%3: %4"_s.arg(file).arg(read.line).arg(read.column).arg(read.errorString));
    else
        fail(u"%1: %2"_s.arg(file, read.errorString));
    return nullptr;
}

int CliTool::save(Document &document, const QString &target)
{
    if (!document.catalogLanguage.isEmpty())
        return saveCatalog(document, target);
    // The rows were read from these very bytes a moment ago: they are spliced as read.
    const QString &source = document.path;
    if (target == u"-") {
        const SpliceResult result =
            XliffWriter::splice(std::move(document.bytes), document.content.units);
        if (!result.bytes)
            return fail(u"%1: %2"_s.arg(source, result.errorString));
        if (!writeOut(*result.bytes))
            return Error;
        return reportUnplaced(result, target);
    }
    const DocumentSave::Outcome saved =
        DocumentSave::run(std::move(document.bytes), document.content.units, target);
    const SpliceResult &result = saved.packed;
    if (!result.bytes)
        return fail(u"%1: %2"_s.arg(source, result.errorString));
    if (!saved.written)
        return fail(u"%1: %2"_s.arg(target, saved.writeError));
    return reportUnplaced(result, target);
}

int CliTool::reportUnplaced(const SpliceResult &result, const QString &target)
{
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

QString CliTool::languageNeeded(const QString &command, const QStringList &arguments) const
{
    // `stats` counts every language without one; `dictionary` reads no document.
    if (!m_language.isEmpty() || command == u"stats" || command == u"dictionary")
        return QString();
    for (const QString &argument : arguments) {
        if (!CatalogReader::isCatalogPath(argument))
            continue;
        const DocumentFile::Bytes bytes = DocumentFile::read(argument);
        if (bytes.error.isEmpty() && CatalogReader::read(bytes.bytes, u"-"_s, {}).result.complete)
            return u"%1: %2"_s.arg(argument, CatalogCli::languageNeeded(bytes.bytes));
    }
    return QString();
}

CliTool::Document *CliTool::loadCatalog(const QString &path)
{
    DocumentFile::Bytes bytes = DocumentFile::read(path);
    if (!bytes.error.isEmpty()) {
        fail(u"%1: %2"_s.arg(path, bytes.error));
        return nullptr;
    }
    // A catalog that does not parse says so before anything is asked of its languages.
    const QString language = m_language.isEmpty() ? u"-"_s : m_language;
    const CatalogRead read = CatalogReader::read(bytes.bytes, language, QFileInfo(path).fileName());
    if (read.result.complete && m_language.isEmpty()) {
        usage(u"%1: %2"_s.arg(path, CatalogCli::languageNeeded(bytes.bytes)));
        return nullptr;
    }
    if (!read.result.complete) {
        fail(u"%1:%2:%3: %4"_s.arg(path)
                 .arg(read.result.line)
                 .arg(read.result.column)
                 .arg(read.result.errorString));
        return nullptr;
    }
    for (const QString &warning : read.warnings)
        m_err << "tarnwick-cli: " << path << ": " << warning << '\n';
    Document &document = m_document.emplace(path, std::move(bytes.bytes), read.result);
    document.catalogLanguage = m_language;
    return &document;
}

int CliTool::saveCatalog(Document &document, const QString &target)
{
    const CatalogSave::Result result =
        CatalogSave::pack(document.bytes, document.catalogLanguage, document.content.units);
    if (!result.bytes)
        return fail(u"%1: %2"_s.arg(document.path, result.errorString));
    QString error;
    const bool written = target == u"-" ? writeOut(*result.bytes)
                                        : DocumentFile::write(target, *result.bytes, &error);
    if (!written)
        return error.isEmpty() ? Error : fail(u"%1: %2"_s.arg(target, error));
    if (result.unplaced.empty())
        return Success;
    m_err << tr("%1: %n target(s) could not be placed:", nullptr, int(result.unplaced.size()))
                 .arg(target)
          << '\n';
    for (const std::size_t row : result.unplaced) {
        const UnitRecord &unit = document.content.units[row];
        m_err << "  " << unit.from.value_or(QString()) << '\t' << unit.name.value_or(QString())
              << '\t' << tr("unit %1").arg(unit.port) << '\n';
    }
    return PartlyWritten;
}
