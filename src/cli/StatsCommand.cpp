#include "cli/StatsCommand.h"

#include "catalog/CatalogReader.h"
#include "cli/CatalogCli.h"
#include "cli/CliTool.h"
#include "files/DocumentFile.h"

using namespace Qt::StringLiterals;

#include "document/UnitRecord.h"
#include "document/WordCount.h"

namespace {

struct Counts
{
    qint64 units = 0;
    qint64 translated = 0;
    qint64 empty = 0;
    qint64 missing = 0;
    WordCount::Totals words;

    void add(const UnitRecord &unit, int sourceWords)
    {
        ++units;
        WordCount::add(words, unit, sourceWords);
        if (!unit.tget)
            ++missing;
        else if (unit.tget->isEmpty())
            ++empty;
        else
            ++translated;
    }
};

} // namespace

int StatsCommand::run(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return m_tool.usage(CliTool::tr("stats takes one PATH"));
    // A catalog without a language: every language's counts, one line each.
    if (CatalogReader::isCatalogPath(arguments.first()) && m_tool.language().isEmpty()) {
        const DocumentFile::Bytes bytes = DocumentFile::read(arguments.first());
        if (!bytes.error.isEmpty())
            return m_tool.fail(u"%1: %2"_s.arg(arguments.first(), bytes.error));
        const ReadResult read = CatalogReader::read(bytes.bytes, u"-"_s, {}).result;
        if (!read.complete)
            return m_tool.fail(u"%1:%2:%3: %4"_s.arg(arguments.first())
                                   .arg(read.line)
                                   .arg(read.column)
                                   .arg(read.errorString));
        return m_tool.writeOut(CatalogCli::languageStats(bytes.bytes)) ? CliTool::Success
                                                                       : CliTool::Error;
    }
    const CliTool::Document *document = m_tool.load(arguments.first());
    if (!document)
        return CliTool::Error;
    std::vector<std::pair<QString, Counts>> perFile;
    Counts total;
    const WordCount wordCount;
    for (const UnitRecord &unit : document->content.units) {
        const QString from = unit.from.value_or(QString());
        if (perFile.empty() || perFile.back().first != from)
            perFile.emplace_back(from, Counts{});
        const int words = wordCount.sourceWords(unit);
        perFile.back().second.add(unit, words);
        total.add(unit, words);
    }
    // The file stays the last column; the source words of translated units and of units
    // still to translate (as the status bar counts them) come before it.
    const auto line = [this](const QString &label, const Counts &c) {
        m_tool.out() << c.units << '\t' << c.translated << '\t' << c.empty << '\t' << c.missing
                     << '\t' << c.words.translated << '\t' << c.words.toTranslate << '\t' << label
                     << '\n';
    };
    m_tool.out() << "units\ttarget\tempty\tnone\twords translated\twords to translate\tfile\n";
    for (const auto &[from, counts] : perFile)
        line(from, counts);
    line(CliTool::tr("(total)"), total);
    return CliTool::Success;
}
