#include "cli/MemoryImportCommand.h"

#include "cli/CliTool.h"
#include "cli/MemoryCommand.h"
#include "cli/NamedOptions.h"
#include "files/DocumentFile.h"
#include "memory/DocumentEntries.h"
#include "memory/MemoryStore.h"
#include "memory/TmxReader.h"

#include <QDateTime>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("MemoryImportCommand", text, disambiguation, n);
}

/// "N reason" for each reason that counted any, in order.
QStringList reasons(std::initializer_list<std::pair<qsizetype, QString>> counts)
{
    QStringList list;
    for (const auto &[count, reason] : counts) {
        if (count > 0)
            list.append(u"%1 %2"_s.arg(count).arg(reason));
    }
    return list;
}

} // namespace

int MemoryImportCommand::run(const QStringList &arguments)
{
    QString problem;
    const auto options = NamedOptions::parse(arguments, {u"--memory"_s}, {}, &problem);
    if (!options)
        return m_tool.usage(problem);
    if (options->positional.isEmpty())
        return m_tool.usage(tr("memory import needs at least one FILE"));
    const auto store = MemoryCommand::openStore(m_tool, options->value(u"--memory"_s));
    if (!store)
        return CliTool::Error;
    // A file that fails is reported and the others still go in; the exit tells.
    bool allDone = true;
    for (const QString &path : options->positional)
        allDone = importFile(*store, path) && allDone;
    return allDone ? CliTool::Success : CliTool::Error;
}

bool MemoryImportCommand::importFile(MemoryStore &store, const QString &path)
{
    if (path.endsWith(u".tmx"_s, Qt::CaseInsensitive))
        return importTmx(store, path);
    return importExport(store, path);
}

bool MemoryImportCommand::importTmx(MemoryStore &store, const QString &path)
{
    const DocumentFile::Bytes bytes = DocumentFile::read(path);
    if (!bytes.error.isEmpty()) {
        m_tool.fail(u"%1: %2"_s.arg(path, bytes.error));
        return false;
    }
    const TmxReader::Result read = TmxReader::read(bytes.bytes, QFileInfo(path).completeBaseName(),
                                                   QDateTime::currentSecsSinceEpoch());
    if (!read.complete) {
        m_tool.fail(
            u"%1:%2:%3: %4"_s.arg(path).arg(read.line).arg(read.column).arg(read.errorString));
        return false;
    }
    const QStringList skipped = reasons({
        {read.noSource, tr("units without a variant in their source language")},
        {read.noTranslation, tr("units without a variant in another language")},
        {read.noLanguage, tr("variants without a language")},
        {read.emptySegments, tr("empty segments")},
    });
    return this->store(store, path, read.entries, skipped);
}

bool MemoryImportCommand::importExport(MemoryStore &store, const QString &path)
{
    const CliTool::Document *document = m_tool.load(path);
    if (!document)
        return false;
    // An export's translations are as old as the file that holds them.
    const qint64 created = QFileInfo(document->path).lastModified().toSecsSinceEpoch();
    const DocumentEntries::Result read =
        DocumentEntries::of(document->content, document->path, created);
    const QStringList skipped = reasons({
        {read.untranslated, tr("untranslated")},
        {read.toReview, tr("still to review")},
        {read.notToTranslate, tr("not to translate")},
        {read.noLanguage, tr("in a <file> without source or target language")},
    });
    return this->store(store, document->path, read.entries, skipped);
}

bool MemoryImportCommand::store(MemoryStore &store, const QString &path,
                                const std::vector<MemoryEntry> &entries, const QStringList &skipped)
{
    const auto counts = store.add(entries);
    if (!counts) {
        m_tool.fail(u"%1: %2"_s.arg(store.path(), store.errorString()));
        return false;
    }
    m_tool.out() << tr("%1: %2 added, %3 updated, %4 already in the memory")
                        .arg(path)
                        .arg(counts->added)
                        .arg(counts->updated)
                        .arg(counts->unchanged)
                 << '\n';
    if (!skipped.isEmpty())
        m_tool.out() << "  " << tr("skipped: %1").arg(skipped.join(u", "_s)) << '\n';
    return true;
}
