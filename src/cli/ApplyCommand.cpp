#include "cli/ApplyCommand.h"

#include "cli/CliTool.h"
#include "cli/EditList.h"

#include <future>

using namespace Qt::StringLiterals;

int ApplyCommand::run(const QStringList &arguments)
{
    const auto parsed = m_tool.options(arguments, false);
    if (!parsed)
        return CliTool::Usage;
    const QStringList &positional = parsed->positional;
    const QString &output = parsed->output;
    if (positional.size() != 2)
        return m_tool.usage(CliTool::tr("apply takes PATH and EDITS"));
    // The edits are read on a thread of their own while the document is: neither needs
    // the other until the edits are applied.
    auto readingEdits = std::async(std::launch::async, [path = positional[1]] {
        QString error;
        std::optional<EditList> edits = EditList::readFile(path, &error);
        return std::pair(std::move(edits), error);
    });
    CliTool::Document *document = m_tool.load(positional[0]);
    if (!document)
        return CliTool::Error;
    auto [edits, error] = readingEdits.get();
    if (!edits || !edits->applyTo(document->content.units, &error))
        return m_tool.fail(u"%1: %2"_s.arg(positional[1], error));
    const QString target = output.isEmpty() ? document->path : output;
    return m_tool.save(*document, target);
}
