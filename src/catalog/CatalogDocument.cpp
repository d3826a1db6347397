#include "catalog/CatalogDocument.h"

#include "catalog/JsonScanner.h"

#include <QCoreApplication>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

void collectDuplicates(const JsonNode &node, const QString &path, QStringList &found)
{
    QSet<QString> seen;
    for (const JsonMember &each : node.members) {
        const QString here = path.isEmpty() ? each.key : path + u" › "_s + each.key;
        if (seen.contains(each.key) && !found.contains(here))
            found.append(here);
        seen.insert(each.key);
        collectDuplicates(each.value, here, found);
    }
    for (const JsonNode &item : node.items)
        collectDuplicates(item, path, found);
}

} // namespace

CatalogDocument::Parsed CatalogDocument::parse(QByteArrayView bytes)
{
    Parsed parsed;
    JsonScanner::Result json = JsonScanner::parse(bytes);
    if (!json.root) {
        parsed.errorString = json.errorString;
        parsed.line = json.line;
        parsed.column = json.column;
        return parsed;
    }
    const JsonNode *strings = json.root->member(u"strings");
    const JsonNode *source = json.root->member(u"sourceLanguage");
    if (!json.root->isObject() || !strings || !strings->isObject() || !source ||
        !source->isString() || source->text.isEmpty()) {
        parsed.errorString = QCoreApplication::translate(
            "CatalogDocument", "not a String Catalog (no \"sourceLanguage\" and \"strings\")");
        parsed.line = 1;
        parsed.column = 1;
        return parsed;
    }
    CatalogDocument document;
    document.m_sourceLanguage = source->text;
    document.m_root = std::move(*json.root);
    parsed.document = std::move(document);
    return parsed;
}

QStringList CatalogDocument::languages() const
{
    QSet<QString> found{m_sourceLanguage};
    for (const JsonMember &entry : strings().members) {
        const JsonNode *localizations = entry.value.member(u"localizations");
        if (!localizations)
            continue;
        for (const JsonMember &each : localizations->members) {
            if (!each.key.isEmpty())
                found.insert(each.key);
        }
    }
    QStringList sorted(found.begin(), found.end());
    sorted.sort();
    return sorted;
}

QStringList CatalogDocument::duplicateKeys() const
{
    QStringList found;
    collectDuplicates(m_root, QString(), found);
    return found;
}

const JsonNode *CatalogDocument::localization(const JsonNode &entry, QStringView language)
{
    const JsonNode *localizations = entry.member(u"localizations");
    if (!localizations || !localizations->isObject())
        return nullptr;
    const JsonNode *found = localizations->member(language);
    return found && found->isObject() ? found : nullptr;
}
