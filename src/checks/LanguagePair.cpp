#include "checks/LanguagePair.h"

#include <QHash>

LanguagePair::LanguagePair(const FileHeader &header, PluralCategories plurals)
    : m_target(header.targetLanguage.value_or(QString())), m_plurals(std::move(plurals))
{
    const QString target = primary(m_target);
    const QString source = primary(header.sourceLanguage.value_or(QString()));
    m_japanese = target == u"ja";
    m_greek = target == u"el";
    m_translates = !target.isEmpty() && !source.isEmpty() && target != source;
}

QString LanguagePair::primary(const QString &tag)
{
    qsizetype end = 0;
    while (end < tag.size() && tag[end] != u'-' && tag[end] != u'_')
        ++end;
    return tag.first(end).toLower();
}

std::vector<LanguagePair> LanguagePair::ofFiles(const std::vector<FileHeader> &files)
{
    QHash<QString, PluralCategories> categories;
    std::vector<LanguagePair> pairs;
    pairs.reserve(files.size());
    for (const FileHeader &header : files) {
        const QString target = header.targetLanguage.value_or(QString());
        auto found = categories.constFind(target);
        if (found == categories.cend())
            found = categories.insert(target, PluralCategories(target));
        pairs.emplace_back(header, *found);
    }
    return pairs;
}
