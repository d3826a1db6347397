#include "CatalogFuzzCheck.h"

#include "catalog/CatalogDocument.h"
#include "catalog/CatalogReader.h"
#include "catalog/CatalogSave.h"

using namespace Qt::StringLiterals;

namespace {

/// Edits drawn from the unit's place: escapes, line breaks, empty and absent targets.
std::optional<QString> edited(std::size_t i, const UnitRecord &unit)
{
    switch (i % 5) {
    case 0:
        return unit.srcs.value_or(QString()) + u" ✓"_s;
    case 1:
        return u"\"\\/\n\u0001\u2028"_s;
    case 2:
        return QString();
    case 3:
        return std::nullopt;
    default:
        return unit.tget ? *unit.tget + u'!' : u"new"_s;
    }
}

QString checkLanguage(QByteArrayView data, const QString &language)
{
    const CatalogRead read = CatalogReader::read(data, language, u"F.xcstrings"_s);
    if (!read.result.complete)
        return u"a catalog that parses did not read: "_s + read.result.errorString;
    const CatalogSave::Result same = CatalogSave::pack(data, language, read.result.units);
    if (!same.bytes || *same.bytes != data || !same.unplaced.empty())
        return u"a save without edits changed the catalog for "_s + language;
    std::vector<UnitRecord> rows = read.result.units;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].tget = edited(i, rows[i]);
    const CatalogSave::Result saved = CatalogSave::pack(data, language, rows);
    if (!saved.bytes)
        return u"a save with edits failed: "_s + saved.errorString;
    const CatalogRead again = CatalogReader::read(*saved.bytes, language, u"F.xcstrings"_s);
    if (!again.result.complete)
        return u"the saved catalog does not read"_s;
    const CatalogSave::Result twice = CatalogSave::pack(*saved.bytes, language, again.result.units);
    if (!twice.bytes || *twice.bytes != *saved.bytes)
        return u"saving a saved catalog again changed it"_s;
    return QString();
}

} // namespace

QString CatalogFuzzCheck::check(QByteArrayView data)
{
    const CatalogDocument::Parsed parsed = CatalogDocument::parse(data);
    if (!parsed.document)
        return parsed.errorString.isEmpty() ? u"refused without a reason"_s : QString();
    QStringList languages = parsed.document->languages().mid(0, 3);
    languages.append(u"ru"_s); // plural categories the source may lack
    for (const QString &language : std::as_const(languages)) {
        const QString problem = checkLanguage(data, language);
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}
