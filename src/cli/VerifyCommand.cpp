#include "cli/VerifyCommand.h"

#include "cli/CliTool.h"
#include "cli/UnitJson.h"
#include "files/DocumentFile.h"
#include "splice/TargetDiff.h"

using namespace Qt::StringLiterals;

int VerifyCommand::run(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return m_tool.usage(CliTool::tr("verify takes EDITED and ORIGINAL"));
    const DocumentFile::Bytes edited = DocumentFile::read(arguments[0]);
    if (!edited.error.isEmpty())
        return m_tool.fail(u"%1: %2"_s.arg(arguments[0], edited.error));
    const DocumentFile::Bytes original = DocumentFile::read(arguments[1]);
    if (!original.error.isEmpty())
        return m_tool.fail(u"%1: %2"_s.arg(arguments[1], original.error));
    const TargetDiff::Result diff = TargetDiff::compare(edited.bytes, original.bytes);
    if (!diff.problem.isEmpty())
        return m_tool.fail(CliTool::tr("cannot compare %1 with %2: %3")
                               .arg(arguments[0], arguments[1], diff.problem));
    if (!diff.onlyTargets) {
        return m_tool.fail(CliTool::tr("%1:%2:%3: differs from %4 outside the target elements")
                               .arg(arguments[0])
                               .arg(diff.line)
                               .arg(diff.column)
                               .arg(arguments[1]));
    }
    // JSON Lines, as `units` prints: ids may hold tabs and line breaks.
    QByteArray lines;
    for (const TargetDiff::ChangedUnit &unit : diff.changed) {
        UnitRecord changed;
        changed.from = unit.from;
        changed.name = unit.name;
        changed.port = unit.port;
        UnitJson::appendLine(lines, changed);
    }
    return m_tool.writeOut(lines) ? CliTool::Success : CliTool::Error;
}
