// tarnwick-genexport UNITS OUT.xliff [EDITS.jsonl]: writes a generated export and, when
// asked, the edits that give every unit a new target.
#include "ExportGenerator.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

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
    const QStringList args = QCoreApplication::arguments().mid(1);
    bool ok = false;
    const qsizetype units = args.value(0).toLongLong(&ok);
    if (args.size() < 2 || !ok || units < 0) {
        std::fputs("usage: tarnwick-genexport UNITS OUT.xliff [EDITS.jsonl]\n", stderr);
        return 2;
    }
    ExportGenerator::Options options;
    options.units = units;
    if (!writeFile(args[1], ExportGenerator::generate(options)))
        return 1;
    if (args.size() > 2 && !writeFile(args[2], ExportGenerator::editEveryTarget(units)))
        return 1;
    return 0;
}
