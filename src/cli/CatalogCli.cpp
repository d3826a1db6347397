#include "cli/CatalogCli.h"

#include "catalog/CatalogDiff.h"
#include "catalog/CatalogDocument.h"
#include "document/TranslationStatus.h"

#include <QCoreApplication>
#include <QHash>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CatalogCli", text);
}

} // namespace

bool CatalogCli::takeLanguage(QStringList &arguments, QString &language, QString *problem)
{
    const qsizetype at = arguments.indexOf(u"--language"_s);
    if (at < 0)
        return true;
    if (at + 1 >= arguments.size() || arguments[at + 1].isEmpty()) {
        *problem = tr("--language needs a language, such as de or pt-BR");
        return false;
    }
    language = arguments[at + 1];
    arguments.remove(at, 2);
    if (arguments.contains(u"--language"_s)) {
        *problem = tr("--language is given twice");
        return false;
    }
    return true;
}

QString CatalogCli::languageNeeded(QByteArrayView bytes)
{
    const CatalogRead read = CatalogReader::read(bytes, u"-"_s, QString());
    return tr("a String Catalog holds every language: name one with --language L (it has %1)")
        .arg(read.languages.join(u", "_s));
}

QByteArray CatalogCli::languageStats(QByteArrayView bytes)
{
    QByteArray out = "units\ttarget\tempty\tnone\ttranslated\tlanguage\n";
    const CatalogRead first = CatalogReader::read(bytes, u"-"_s, QString());
    for (const QString &language : first.languages) {
        const CatalogRead read = CatalogReader::read(bytes, language, QString());
        qint64 target = 0, empty = 0, none = 0, translated = 0;
        for (const UnitRecord &unit : read.result.units) {
            if (!unit.tget)
                ++none;
            else if (unit.tget->isEmpty())
                ++empty;
            else
                ++target;
            translated += TranslationStatus::of(unit) == TranslationStatus::Status::Translated;
        }
        QString line;
        QTextStream(&line) << read.result.units.size() << '\t' << target << '\t' << empty << '\t'
                           << none << '\t' << translated << '\t' << language << '\n';
        out += line.toUtf8();
    }
    return out;
}

CatalogCli::Verified CatalogCli::verify(QByteArrayView edited, QByteArrayView original,
                                        const QString &language, const QString &fileName)
{
    Verified verified;
    const CatalogDocument::Parsed a = CatalogDocument::parse(original);
    const CatalogDocument::Parsed b = CatalogDocument::parse(edited);
    if (!a.document || !b.document) {
        verified.problem = a.document ? b.errorString : a.errorString;
        return verified;
    }
    const CatalogDiff::Result diff =
        CatalogDiff::compare(*a.document, original, *b.document, edited, language);
    if (!diff.onlyLanguage) {
        verified.problem = tr("differs outside %1 at %2").arg(language, diff.where);
        return verified;
    }
    const CatalogRead before = CatalogReader::read(original, language, fileName);
    const CatalogRead after = CatalogReader::read(edited, language, fileName);
    QHash<QString, const UnitRecord *> old;
    for (const UnitRecord &unit : before.result.units)
        old.insert(*unit.name, &unit);
    for (const UnitRecord &unit : after.result.units) {
        const UnitRecord *was = old.value(*unit.name);
        if (!was || was->tget != unit.tget || was->state != unit.state) {
            UnitRecord changed;
            changed.from = unit.from;
            changed.name = unit.name;
            changed.port = unit.port;
            verified.changed.push_back(changed);
        }
    }
    return verified;
}
