#include "cli/PretranslateCommand.h"

#include "carryover/CarryOver.h"
#include "cli/CliTool.h"
#include "cli/MemoryCommand.h"
#include "cli/NamedOptions.h"
#include "memory/MemoryStore.h"
#include "memory/Pretranslation.h"
#include "memory/TranslationMemory.h"
#include "xliff/StateAttribute.h"

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("PretranslateCommand", text, disambiguation, n);
}

} // namespace

int PretranslateCommand::run(const QStringList &arguments)
{
    QString problem;
    const auto options =
        NamedOptions::parse(arguments, {u"-o"_s, u"--output"_s, u"--memory"_s, u"--min"_s},
                            {u"--exact-as-translated"_s}, &problem);
    if (!options)
        return m_tool.usage(problem);
    if (options->positional.size() != 1)
        return m_tool.usage(tr("pretranslate takes one PATH"));
    bool bad = false;
    const int minimum = options->number(u"--min"_s, 1, 100, &bad).value_or(100);
    if (bad)
        return m_tool.usage(tr("--min takes 1 to 100"));
    CliTool::Document *document = m_tool.load(options->positional.first());
    if (!document)
        return CliTool::Error;
    const auto store = MemoryCommand::openStore(m_tool, options->value(u"--memory"_s));
    if (!store)
        return CliTool::Error;

    TranslationMemory memory(*store);
    const Pretranslation::Options passOptions{minimum, options->has(u"--exact-as-translated"_s),
                                              StateAttribute::usedIn(document->bytes)};
    const Pretranslation::Result result =
        Pretranslation::run(document->content.units, document->content.files, memory, passOptions);
    if (!result.error.isEmpty())
        return m_tool.fail(u"%1: %2"_s.arg(document->path, result.error));
    CarryOver::apply(document->content.units, result.changes);
    const Pretranslation::Counts &counts = result.counts;
    m_tool.err() << tr("%1 exact, %2 fuzzy, %3 not found")
                        .arg(counts.exact)
                        .arg(counts.fuzzy)
                        .arg(counts.notFound)
                 << '\n';
    const QString output =
        options->has(u"-o"_s) ? options->value(u"-o"_s) : options->value(u"--output"_s);
    return m_tool.save(*document, output.isEmpty() ? document->path : output);
}
