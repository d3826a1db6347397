#include "cli/VerifyCommand.h"

#include "catalog/CatalogReader.h"
#include "cli/CatalogCli.h"
#include "cli/CliTool.h"
#include "cli/UnitJson.h"
#include "files/DocumentFile.h"
#include "splice/TargetDiff.h"

#include <QFileInfo>

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
    if (CatalogReader::isCatalogPath(arguments[0]) || CatalogReader::isCatalogPath(arguments[1]))
        return verifyCatalog(arguments, edited.bytes, original.bytes);
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

int VerifyCommand::verifyCatalog(const QStringList &arguments, const QByteArray &edited,
                                 const QByteArray &original)
{
    const QString &language = m_tool.language();
    if (language.isEmpty())
        return m_tool.usage(CliTool::tr("verify of String Catalogs takes --language L"));
    const CatalogCli::Verified verified =
        CatalogCli::verify(edited, original, language, QFileInfo(arguments[0]).fileName());
    if (!verified.problem.isEmpty())
        return m_tool.fail(CliTool::tr("%1: %2 (compared with %3)")
                               .arg(arguments[0], verified.problem, arguments[1]));
    QByteArray lines;
    for (const UnitRecord &unit : verified.changed)
        UnitJson::appendLine(lines, unit);
    return m_tool.writeOut(lines) ? CliTool::Success : CliTool::Error;
}
