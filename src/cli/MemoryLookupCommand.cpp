#include "cli/MemoryLookupCommand.h"

#include "cli/CliTool.h"
#include "cli/MemoryCommand.h"
#include "cli/NamedOptions.h"
#include "cli/UnitJson.h"
#include "memory/MemoryStore.h"
#include "memory/TranslationMemory.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("MemoryLookupCommand", text, disambiguation, n);
}

void appendMember(QByteArray &out, const char *key, const QString &value)
{
    if (value.isEmpty())
        return;
    out += ", \"";
    out += key;
    out += "\": ";
    UnitJson::appendString(out, value);
}

QByteArray lineOf(const QString &source, const std::vector<TranslationMemory::Match> &matches)
{
    QByteArray line = "{\"srcs\": ";
    UnitJson::appendString(line, source);
    line += ", \"matches\": [";
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const MemoryEntry &entry = matches[i].entry;
        line += i == 0 ? "{\"score\": " : ", {\"score\": ";
        line += QByteArray::number(matches[i].score);
        line += ", \"srcs\": ";
        UnitJson::appendString(line, entry.source);
        line += ", \"tget\": ";
        UnitJson::appendString(line, entry.target);
        appendMember(line, "from", entry.original);
        appendMember(line, "name", entry.unitId);
        appendMember(line, "project", entry.project);
        line += '}';
    }
    line += "]}\n";
    return line;
}

} // namespace

int MemoryLookupCommand::run(const QStringList &arguments)
{
    QString problem;
    const auto options = NamedOptions::parse(
        arguments,
        {u"--memory"_s, u"--source-language"_s, u"--target-language"_s, u"--min"_s, u"--limit"_s},
        {}, &problem);
    if (!options)
        return m_tool.usage(problem);
    const QString targetLanguage = options->value(u"--target-language"_s);
    if (targetLanguage.isEmpty() || !options->positional.isEmpty())
        return m_tool.usage(tr("memory lookup needs --target-language and reads standard input"));
    bool bad = false;
    const int minimum = options->number(u"--min"_s, 0, 100, &bad).value_or(70);
    const int limit = options->number(u"--limit"_s, 1, 1000000, &bad).value_or(5);
    if (bad)
        return m_tool.usage(tr("--min takes 0 to 100, --limit a number from 1"));
    const auto store = MemoryCommand::openStore(m_tool, options->value(u"--memory"_s));
    if (!store)
        return CliTool::Error;

    TranslationMemory memory(*store);
    const QString sourceLanguage = options->value(u"--source-language"_s);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return m_tool.fail(tr("could not read standard input: %1").arg(input.errorString()));
    for (qint64 number = 1; !input.atEnd(); ++number) {
        const QByteArray text = input.readLine().trimmed();
        if (text.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonObject query = QJsonDocument::fromJson(text, &error).object();
        if (!query.value(u"srcs"_s).isString()) {
            return m_tool.fail(
                tr("standard input, line %1: not an object with a \"srcs\" string").arg(number));
        }
        const QString source = query.value(u"srcs"_s).toString();
        const auto matches = memory.lookup(
            sourceLanguage, {source, query.value(u"from"_s).toString(),
                             query.value(u"name"_s).toString(), targetLanguage, minimum, limit});
        if (!matches)
            return m_tool.fail(u"%1: %2"_s.arg(store->path(), store->errorString()));
        if (!m_tool.writeOut(lineOf(source, *matches)))
            return CliTool::Error;
    }
    return CliTool::Success;
}
