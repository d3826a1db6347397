#include "cli/DictionaryCommand.h"

#include "cli/CliTool.h"
#include "dictionary/BuiltinDictionary.h"
#include "dictionary/DictionaryFormat.h"
#include "dictionary/DictionaryStore.h"

using namespace Qt::StringLiterals;

int DictionaryCommand::run(const QStringList &arguments)
{
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments.first() != u"--builtin"))
        return m_tool.usage(CliTool::tr("dictionary takes only --builtin"));
    if (!arguments.isEmpty()) {
        m_tool.out() << QString::fromUtf8(
            DictionaryFormat::toJsonLines(BuiltinDictionary::entries()));
        return CliTool::Success;
    }
    const DictionaryStore store;
    const DictionaryLoad load = store.readInUse();
    if (load.status == DictionaryLoad::Status::Unreadable)
        return m_tool.fail(u"%1: %2"_s.arg(store.filePath(), load.error));
    m_tool.out() << QString::fromUtf8(DictionaryFormat::toJsonLines(load.entries));
    return CliTool::Success;
}
