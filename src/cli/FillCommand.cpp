#include "cli/FillCommand.h"

#include "cli/CliTool.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/ReplacementPass.h"

using namespace Qt::StringLiterals;

int FillCommand::run(const QStringList &arguments)
{
    const auto parsed = m_tool.options(arguments, true);
    if (!parsed)
        return CliTool::Usage;
    if (parsed->positional.size() != 1)
        return m_tool.usage(CliTool::tr("fill takes one PATH"));
    ReplacementDictionary entries;
    if (!parsed->dictionary.isEmpty()) {
        DictionaryParse read = DictionaryFormat::readJsonLinesFile(parsed->dictionary);
        if (!read.ok())
            return m_tool.fail(read.error);
        entries = std::move(read.entries);
    } else {
        const DictionaryStore store;
        DictionaryLoad load = store.readInUse();
        if (load.status == DictionaryLoad::Status::Unreadable)
            return m_tool.fail(u"%1: %2"_s.arg(store.filePath(), load.error));
        entries = std::move(load.entries);
    }
    CliTool::Document *document = m_tool.load(parsed->positional.first());
    if (!document)
        return CliTool::Error;
    // The titles are Japanese: another language's targets are never written over, and
    // nothing is written at all.
    if (const QString refusal = ReplacementPass::refusal(document->content.files);
        !refusal.isEmpty())
        return m_tool.fail(u"%1: %2"_s.arg(document->path, refusal));
    ReplacementResult filled = ReplacementPass::run(document->content.units, entries);
    const QString summary = ReplacementPass::summary(filled);
    const QString &output = parsed->output;
    document->content.units = std::move(filled.rows);
    const QString target = output.isEmpty() ? document->path : output;
    const int exit = m_tool.save(*document, target);
    if (exit == CliTool::Success || exit == CliTool::PartlyWritten)
        m_tool.err() << summary << '\n';
    return exit;
}
