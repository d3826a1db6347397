#pragma once

#include "checks/LanguagePair.h"
#include "checks/PluralGroup.h"
#include "checks/Problem.h"
#include "checks/UnitCheck.h"
#include "document/FileHeader.h"
#include "document/UnitRecord.h"

#include <QSet>
#include <QStringList>

#include <memory>
#include <span>
#include <vector>

/// Runs the checks over a document's translated units. Untranslated units (see
/// `TranslationStatus`) and units marked translate="no" are not checked.
class CheckEngine
{
public:
    /// Every check, or only those named in `only` (see `ids()`). `terms` are the project's
    /// words kept as they are in every language (names of its products, its jargon): a
    /// target made of them alone is not "unchanged".
    explicit CheckEngine(const std::vector<FileHeader> &files, const QStringList &only = {},
                         QSet<QString> terms = {});
    ~CheckEngine();

    /// The ids of all checks, errors first, in the order problems are listed.
    static QStringList ids();

    /// Every problem of the document, by row and then in the order of `ids()`.
    std::vector<Problem> check(std::span<const UnitRecord> units) const;
    /// The problems the unit checks find in one row (not the plural check, which needs the
    /// row's neighbours: see `checkPlurals`).
    std::vector<Problem> checkUnit(const UnitRecord &unit, std::size_t row) const;
    /// The problems of the document's plural groups (see `PluralCheck::groups`), by row.
    std::vector<Problem> checkPlurals(std::span<const PluralGroup> groups,
                                      std::span<const UnitRecord> units) const;

private:
    void checkRange(std::span<const UnitRecord> units, std::size_t firstRow,
                    std::vector<Problem> &out) const;
    void appendUnit(const UnitRecord &unit, std::size_t row, std::vector<Problem> &out) const;

    std::vector<LanguagePair> m_languages;
    LanguagePair m_unknown; ///< for units outside any `<file>`
    QSet<QString> m_terms;
    std::vector<std::unique_ptr<UnitCheck>> m_checks;
    bool m_plurals = true;
};
