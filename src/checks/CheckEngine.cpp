#include "checks/CheckEngine.h"

#include "checks/BlankCheck.h"
#include "checks/EllipsisCheck.h"
#include "checks/FormatCheck.h"
#include "checks/HalfWidthKanaCheck.h"
#include "checks/LineBreakCheck.h"
#include "checks/MarkupCheck.h"
#include "checks/MenuPeriodCheck.h"
#include "checks/PluralCheck.h"
#include "checks/PunctuationCheck.h"
#include "checks/UnchangedCheck.h"
#include "document/TranslationStatus.h"

#include <algorithm>
#include <future>

namespace {

std::vector<std::unique_ptr<UnitCheck>> allUnitChecks()
{
    std::vector<std::unique_ptr<UnitCheck>> checks;
    checks.push_back(std::make_unique<FormatCheck>());
    checks.push_back(std::make_unique<BlankCheck>());
    checks.push_back(std::make_unique<LineBreakCheck>());
    checks.push_back(std::make_unique<EllipsisCheck>());
    checks.push_back(std::make_unique<PunctuationCheck>());
    checks.push_back(std::make_unique<MarkupCheck>());
    checks.push_back(std::make_unique<UnchangedCheck>());
    checks.push_back(std::make_unique<HalfWidthKanaCheck>());
    checks.push_back(std::make_unique<MenuPeriodCheck>());
    return checks;
}

/// Rows are checked on two threads from this many on: below it a thread costs more than
/// it saves.
constexpr std::size_t parallelFrom = 20000;

} // namespace

CheckEngine::CheckEngine(const std::vector<FileHeader> &files, const QStringList &only,
                         QSet<QString> terms)
    : m_languages(LanguagePair::ofFiles(files)), m_terms(std::move(terms)),
      m_checks(allUnitChecks())
{
    if (only.isEmpty())
        return;
    std::erase_if(m_checks, [&](const auto &check) { return !only.contains(check->id()); });
    m_plurals = only.contains(PluralCheck::id());
}

CheckEngine::~CheckEngine() = default;

QStringList CheckEngine::ids()
{
    QStringList ids{PluralCheck::id()};
    for (const auto &check : allUnitChecks())
        ids.insert(check->severity() == Problem::Severity::Error ? 0 : ids.size(), check->id());
    return ids;
}

std::vector<Problem> CheckEngine::check(std::span<const UnitRecord> units) const
{
    std::vector<Problem> problems;
    if (units.size() < parallelFrom) {
        checkRange(units, 0, problems);
    } else {
        const std::size_t half = units.size() / 2;
        auto secondHalf = std::async(std::launch::async, [this, units, half] {
            std::vector<Problem> found;
            checkRange(units.subspan(half), half, found);
            return found;
        });
        checkRange(units.first(half), 0, problems);
        std::vector<Problem> found = secondHalf.get();
        std::move(found.begin(), found.end(), std::back_inserter(problems));
    }
    std::vector<Problem> plurals =
        m_plurals ? checkPlurals(PluralCheck::groups(units), units) : std::vector<Problem>{};
    if (plurals.empty())
        return problems;
    // Plural problems sit on their group's first row, before that row's own.
    const std::size_t before = problems.size();
    std::move(plurals.begin(), plurals.end(), std::back_inserter(problems));
    std::inplace_merge(problems.begin(), problems.begin() + qsizetype(before), problems.end(),
                       [](const Problem &a, const Problem &b) {
                           return a.row < b.row ||
                                  (a.row == b.row && a.check == PluralCheck::id() &&
                                   b.check != PluralCheck::id());
                       });
    return problems;
}

std::vector<Problem> CheckEngine::checkUnit(const UnitRecord &unit, std::size_t row) const
{
    std::vector<Problem> problems;
    appendUnit(unit, row, problems);
    return problems;
}

std::vector<Problem> CheckEngine::checkPlurals(std::span<const PluralGroup> groups,
                                               std::span<const UnitRecord> units) const
{
    return m_plurals ? PluralCheck::inspect(groups, units, m_languages) : std::vector<Problem>{};
}

void CheckEngine::checkRange(std::span<const UnitRecord> units, std::size_t firstRow,
                             std::vector<Problem> &out) const
{
    for (std::size_t i = 0; i < units.size(); ++i)
        appendUnit(units[i], firstRow + i, out);
}

void CheckEngine::appendUnit(const UnitRecord &unit, std::size_t row,
                             std::vector<Problem> &out) const
{
    if (!unit.translatable || TranslationStatus::isUntranslated(unit))
        return;
    const bool known = unit.file >= 0 && std::size_t(unit.file) < m_languages.size();
    const std::optional<QString> &source = unit.rawSource();
    const CheckedUnit checked{unit, source ? QStringView(*source) : QStringView(),
                              QStringView(*unit.rawTarget()),
                              known ? m_languages[unit.file] : m_unknown, &m_terms};
    for (const auto &check : m_checks) {
        if (std::optional<Finding> found = check->inspect(checked))
            out.push_back({row, check->id(), found->severity.value_or(check->severity()),
                           std::move(found->message)});
    }
}
