#include "memory/DocumentEntries.h"

#include "document/TranslationStatus.h"
#include "memory/LanguageTag.h"

#include <QFileInfo>
#include <QStringList>

using namespace Qt::StringLiterals;

DocumentEntries::Result DocumentEntries::of(const ReadResult &content, const QString &path,
                                            qint64 created)
{
    Result result;
    const QString project = projectOf(path);
    for (const UnitRecord &unit : content.units) {
        if (!unit.translatable) {
            ++result.notToTranslate;
            continue;
        }
        const TranslationStatus::Status status = TranslationStatus::of(unit);
        if (status != TranslationStatus::Status::Translated || !unit.srcs || unit.srcs->isEmpty()) {
            ++(status == TranslationStatus::Status::NeedsReview ? result.toReview
                                                                : result.untranslated);
            continue;
        }
        const FileHeader *file = unit.file >= 0 && std::size_t(unit.file) < content.files.size()
                                     ? &content.files[std::size_t(unit.file)]
                                     : nullptr;
        const QString source =
            file ? LanguageTag::normalized(file->sourceLanguage.value_or(QString())) : QString();
        const QString target =
            file ? LanguageTag::normalized(file->targetLanguage.value_or(QString())) : QString();
        if (source.isEmpty() || target.isEmpty()) {
            ++result.noLanguage;
            continue;
        }
        // As the file holds them: a target taken back keeps its blanks.
        result.entries.push_back({*unit.rawSource(), *unit.rawTarget(), source, target,
                                  unit.from.value_or(QString()), unit.name.value_or(QString()),
                                  project, created, 0});
    }
    return result;
}

QString DocumentEntries::projectOf(const QString &path)
{
    const QStringList parts = QFileInfo(path).absoluteFilePath().split(u'/', Qt::SkipEmptyParts);
    for (auto part = parts.crbegin(); part != parts.crend(); ++part) {
        if (part->endsWith(u".xcloc"_s, Qt::CaseInsensitive))
            return part->chopped(6);
    }
    return QFileInfo(path).completeBaseName();
}
