// tarnwick-genmemory [--queries N] ENTRIES OUT.tmx QUERIES.jsonl: writes ENTRIES generated
// interface strings (English, each source once, a third of them variants of an earlier one)
// with Japanese targets as TMX 1.4b, and N queries (default 1000) as JSON Lines
// {"srcs": "…"}: the even ones an entry with one to three characters edited, the odd ones
// new text. The same arguments give the same bytes, so the memory's benchmark against
// translate-toolkit feeds both tools the same files.
#include "TextGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QXmlStreamWriter>

#include <cstdio>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

/// COUNT different sources, in the order the generator gave them: a third of them variants of
/// an earlier one, so that a text has neighbours as interface strings do.
std::vector<QString> distinctSources(TextGenerator &generator, qsizetype count)
{
    std::mt19937 random(29);
    std::vector<QString> sources;
    QSet<QString> seen;
    sources.reserve(std::size_t(count));
    while (qsizetype(sources.size()) < count) {
        QString source = generator.sentence();
        if (!sources.empty() && random() % 3 == 0)
            source = generator.variant(sources[random() % sources.size()]);
        // An edit can empty a text or leave a space at its end; interface strings have neither.
        if (source.isEmpty() || source.trimmed() != source || seen.contains(source))
            continue;
        seen.insert(source);
        sources.push_back(std::move(source));
    }
    return sources;
}

void writeVariant(QXmlStreamWriter &xml, const QString &language, const QString &text)
{
    xml.writeStartElement(u"tuv"_s);
    xml.writeAttribute(u"xml:lang"_s, language);
    xml.writeTextElement(u"seg"_s, text);
    xml.writeEndElement();
}

bool writeTmx(const QString &path, const std::vector<QString> &sources)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(u"tmx"_s);
    xml.writeAttribute(u"version"_s, u"1.4"_s);
    xml.writeEmptyElement(u"header"_s);
    xml.writeAttribute(u"creationtool"_s, u"tarnwick-genmemory"_s);
    xml.writeAttribute(u"creationtoolversion"_s, u"1"_s);
    xml.writeAttribute(u"datatype"_s, u"plaintext"_s);
    xml.writeAttribute(u"segtype"_s, u"sentence"_s);
    xml.writeAttribute(u"adminlang"_s, u"en"_s);
    xml.writeAttribute(u"srclang"_s, u"en"_s);
    xml.writeAttribute(u"o-tmf"_s, u"tarnwick"_s);
    xml.writeAttribute(u"creationdate"_s, u"20240101T000000Z"_s);
    xml.writeStartElement(u"body"_s);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        xml.writeStartElement(u"tu"_s);
        xml.writeAttribute(u"tuid"_s, QString::number(i + 1));
        writeVariant(xml, u"en"_s, sources[i]);
        writeVariant(xml, u"ja"_s, TextGenerator::japanese(sources[i]));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return !xml.hasError() && file.flush();
}

bool writeQueries(const QString &path, TextGenerator &generator,
                  const std::vector<QString> &sources, int count)
{
    QByteArray lines;
    for (int i = 0; i < count; ++i) {
        const QString text = i % 2 == 0
                                 ? generator.edited(sources[std::size_t(i) * 97 % sources.size()])
                                 : generator.sentence();
        lines += QJsonDocument(QJsonObject{{u"srcs"_s, text}}).toJson(QJsonDocument::Compact);
        lines += '\n';
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(lines) == lines.size() && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption queries(u"queries"_s, u"Number of queries (default 1000)."_s,
                                     u"N"_s, u"1000"_s);
    parser.addOption(queries);
    parser.addPositionalArgument(u"ENTRIES"_s, {});
    parser.addPositionalArgument(u"OUT"_s, {});
    parser.addPositionalArgument(u"QUERIES"_s, {});
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    bool entriesOk = false;
    bool queriesOk = false;
    const qsizetype entries = args.value(0).toLongLong(&entriesOk);
    const int queryCount = parser.value(queries).toInt(&queriesOk);
    if (args.size() != 3 || !entriesOk || entries < 1 || !queriesOk || queryCount < 0) {
        std::fputs("usage: tarnwick-genmemory [--queries N] ENTRIES OUT.tmx QUERIES.jsonl\n",
                   stderr);
        return 2;
    }
    TextGenerator generator(28);
    const std::vector<QString> sources = distinctSources(generator, entries);
    if (!writeTmx(args[1], sources)) {
        std::fprintf(stderr, "tarnwick-genmemory: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    if (!writeQueries(args[2], generator, sources, queryCount)) {
        std::fprintf(stderr, "tarnwick-genmemory: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
