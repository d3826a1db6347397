#include "cli/UnitsCommand.h"

#include "cli/CliTool.h"
#include "cli/UnitJson.h"

#include <future>
#include <span>

using namespace Qt::StringLiterals;

int UnitsCommand::run(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return m_tool.usage(CliTool::tr("units takes one PATH"));
    const CliTool::Document *document = m_tool.load(arguments.first());
    if (!document)
        return CliTool::Error;
    // A large export's second half is formatted on another thread while the first is
    // printed, a chunk at a time: it prints more than the file it came from.
    const std::span<const UnitRecord> units = document->content.units;
    const size_t half = units.size() >= 8192 ? units.size() / 2 : units.size();
    auto secondHalf = std::async(std::launch::async | std::launch::deferred, [units, half] {
        QByteArray lines;
        for (const UnitRecord &unit : units.subspan(half))
            UnitJson::appendLine(lines, unit);
        return lines;
    });
    constexpr qsizetype chunk = 1 << 20;
    QByteArray lines;
    lines.reserve(chunk + 64 * 1024);
    for (const UnitRecord &unit : units.first(half)) {
        UnitJson::appendLine(lines, unit);
        if (lines.size() >= chunk) {
            if (!m_tool.writeOut(lines))
                return CliTool::Error;
            lines.resize(0);
        }
    }
    return m_tool.writeOut(lines) && m_tool.writeOut(secondHalf.get()) ? CliTool::Success
                                                                       : CliTool::Error;
}
