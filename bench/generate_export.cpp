// tarnwick-genexport [--files N] [--untranslated PERCENT] [--markup] UNITS OUT.xliff
// [EDITS.jsonl]: writes a generated export and, when asked, the edits that give every unit
// a new target.
#include "ExportGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption files(u"files"_s, u"Number of <file> elements."_s, u"N"_s);
    const QCommandLineOption untranslated(u"untranslated"_s,
                                          u"Percent of units without a target."_s, u"PERCENT"_s);
    const QCommandLineOption markup(
        u"markup"_s, u"Source texts as ids, with escaped markup in ids and notes."_s);
    parser.addOptions({files, untranslated, markup});
    parser.addPositionalArgument(u"UNITS"_s, {});
    parser.addPositionalArgument(u"OUT"_s, {});
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    bool ok = false;
    ExportGenerator::Options options;
    options.units = args.value(0).toLongLong(&ok);
    bool filesOk = true;
    bool untranslatedOk = true;
    if (parser.isSet(files))
        options.files = parser.value(files).toLongLong(&filesOk);
    if (parser.isSet(untranslated))
        options.untranslatedPercent = parser.value(untranslated).toInt(&untranslatedOk);
    options.markup = parser.isSet(markup);
    if (args.size() < 2 || !ok || options.units < 0 || !filesOk || !untranslatedOk) {
        std::fputs("usage: tarnwick-genexport [--files N] [--untranslated PERCENT] [--markup] "
                   "UNITS OUT.xliff [EDITS.jsonl]\n",
                   stderr);
        return 2;
    }
    if (!writeFile(args[1], ExportGenerator::generate(options)))
        return 1;
    if (args.size() > 2 && !writeFile(args[2], ExportGenerator::editEveryTarget(options.units)))
        return 1;
    return 0;
}
