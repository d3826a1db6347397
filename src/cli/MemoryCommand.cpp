#include "cli/MemoryCommand.h"

#include "cli/CliTool.h"
#include "cli/MemoryImportCommand.h"
#include "cli/MemoryLookupCommand.h"
#include "cli/NamedOptions.h"
#include "files/DocumentFile.h"
#include "memory/MemoryStore.h"
#include "memory/TmxWriter.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("MemoryCommand", text, disambiguation, n);
}

const QString memoryOption = u"--memory"_s;
const QString sourceOption = u"--source-language"_s;
const QString targetOption = u"--target-language"_s;

} // namespace

std::unique_ptr<MemoryStore> MemoryCommand::openStore(CliTool &tool, const QString &path)
{
    auto store = std::make_unique<MemoryStore>(path.isEmpty() ? MemoryStore::defaultPath() : path);
    const bool opened = store->open();
    if (!store->notice().isEmpty())
        tool.err() << "tarnwick-cli: " << store->notice() << '\n';
    if (opened)
        return store;
    tool.fail(u"%1: %2"_s.arg(store->path(), store->errorString()));
    return nullptr;
}

int MemoryCommand::run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return m_tool.usage(tr("memory needs one of import, export, lookup, stats, delete"));
    const QString &command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == u"import")
        return MemoryImportCommand(m_tool).run(rest);
    if (command == u"lookup")
        return MemoryLookupCommand(m_tool).run(rest);
    if (command == u"export")
        return exportEntries(rest);
    if (command == u"stats")
        return stats(rest);
    if (command == u"delete")
        return remove(rest);
    return m_tool.usage(tr("unknown memory command \"%1\"").arg(command));
}

int MemoryCommand::exportEntries(const QStringList &arguments)
{
    QString problem;
    const auto options = NamedOptions::parse(
        arguments, {u"-o"_s, u"--output"_s, memoryOption, sourceOption, targetOption}, {},
        &problem);
    if (!options)
        return m_tool.usage(problem);
    const QString output =
        options->has(u"-o"_s) ? options->value(u"-o"_s) : options->value(u"--output"_s);
    if (output.isEmpty() || !options->positional.isEmpty())
        return m_tool.usage(tr("memory export takes -o FILE and no other file"));
    const auto store = openStore(m_tool, options->value(memoryOption));
    if (!store)
        return CliTool::Error;

    const MemoryFilter filter{options->value(sourceOption), options->value(targetOption), {}, {}};
    std::vector<MemoryEntry> entries;
    if (!store->forEach(filter, [&entries](MemoryEntry &&e) { entries.push_back(std::move(e)); }))
        return m_tool.fail(u"%1: %2"_s.arg(store->path(), store->errorString()));
    // The header names the one source language when every entry shares it.
    QString sourceLanguage = entries.empty() ? u"en"_s : entries.front().sourceLanguage;
    for (const MemoryEntry &entry : entries) {
        if (entry.sourceLanguage != sourceLanguage)
            sourceLanguage.clear();
    }
    TmxWriter writer(sourceLanguage, QDateTime::currentSecsSinceEpoch());
    qsizetype left = 0;
    for (const MemoryEntry &entry : entries)
        left += writer.add(entry) ? 0 : 1;
    const QByteArray text = writer.finish();
    if (output == u"-") {
        if (!m_tool.writeOut(text))
            return CliTool::Error;
    } else {
        QString error;
        if (!DocumentFile::write(output, text, &error))
            return m_tool.fail(u"%1: %2"_s.arg(output, error));
    }
    m_tool.err() << tr("%n entry(s) exported", nullptr, int(entries.size() - std::size_t(left)))
                 << '\n';
    if (left > 0) {
        m_tool.err() << tr("%n entry(s) left out: they hold control characters XML cannot carry",
                           nullptr, int(left))
                     << '\n';
    }
    return CliTool::Success;
}

int MemoryCommand::stats(const QStringList &arguments)
{
    QString problem;
    const auto options = NamedOptions::parse(arguments, {memoryOption}, {}, &problem);
    if (!options || !options->positional.isEmpty())
        return m_tool.usage(options ? tr("memory stats takes no file") : problem);
    const auto store = openStore(m_tool, options->value(memoryOption));
    if (!store)
        return CliTool::Error;
    const auto counts = store->stats();
    if (!counts)
        return m_tool.fail(u"%1: %2"_s.arg(store->path(), store->errorString()));
    qsizetype total = 0;
    for (const MemoryStore::PairCount &pair : *counts) {
        m_tool.out() << pair.sourceLanguage << '\t' << pair.targetLanguage << '\t' << pair.entries
                     << '\n';
        total += pair.entries;
    }
    m_tool.out() << tr("total") << "\t\t" << total << '\n';
    return CliTool::Success;
}

int MemoryCommand::remove(const QStringList &arguments)
{
    QString problem;
    const auto options = NamedOptions::parse(
        arguments, {memoryOption, sourceOption, targetOption, u"--project"_s, u"--source"_s},
        {u"--all"_s}, &problem);
    if (!options)
        return m_tool.usage(problem);
    const auto optional = [&options](const QString &name) {
        return options->has(name) ? std::optional(options->value(name)) : std::nullopt;
    };
    const MemoryFilter filter{options->value(sourceOption), options->value(targetOption),
                              optional(u"--project"_s), optional(u"--source"_s)};
    if (!options->positional.isEmpty())
        return m_tool.usage(tr("memory delete takes no file"));
    // Emptying the whole memory is never what a missing option meant.
    if (filter.empty() != options->has(u"--all"_s)) {
        return m_tool.usage(tr("memory delete needs --source-language, --target-language, "
                               "--project or --source, or else --all alone"));
    }
    const auto store = openStore(m_tool, options->value(memoryOption));
    if (!store)
        return CliTool::Error;
    const auto removed = store->remove(filter);
    if (!removed)
        return m_tool.fail(u"%1: %2"_s.arg(store->path(), store->errorString()));
    m_tool.out() << tr("%n entry(s) deleted", nullptr, int(*removed)) << '\n';
    return CliTool::Success;
}
