#include "memory/MemoryFilter.h"

#include "memory/LanguageTag.h"

namespace {

void addCondition(MemoryFilter::Where &where, const char *column, const QString &value)
{
    where.sql += where.sql.isEmpty() ? " WHERE " : " AND ";
    where.sql += column;
    where.sql += " = ?";
    where.values.append(value);
}

void addLanguage(MemoryFilter::Where &where, const QString &tag, const char *exact,
                 const char *primary)
{
    if (tag.isEmpty())
        return;
    const QString normal = LanguageTag::normalized(tag);
    if (normal.contains(u'-'))
        addCondition(where, exact, normal);
    else
        addCondition(where, primary, LanguageTag::language(normal));
}

} // namespace

MemoryFilter::Where MemoryFilter::where() const
{
    Where where;
    addLanguage(where, sourceLanguage, "source_language", "source_primary");
    addLanguage(where, targetLanguage, "target_language", "target_primary");
    if (project)
        addCondition(where, "project", *project);
    if (source)
        addCondition(where, "source", *source);
    return where;
}
