#include "app/workbench/ProblemIndex.h"

#include "app/workbench/UnitTableModel.h"
#include "checks/CheckEngine.h"
#include "checks/PluralCheck.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QStyle>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isPlural(const Problem &problem)
{
    return problem.check == PluralCheck::id();
}

/// Errors before warnings, each in the order the checks ran.
void order(std::vector<Problem> &problems)
{
    std::stable_sort(problems.begin(), problems.end(), [](const Problem &a, const Problem &b) {
        return a.severity == Problem::Severity::Error && b.severity != Problem::Severity::Error;
    });
}

} // namespace

ProblemIndex::ProblemIndex(UnitTableModel *model, QObject *parent) : QObject(parent), m_model(model)
{
    connect(model, &QAbstractItemModel::modelReset, this, &ProblemIndex::rebuild);
    connect(model, &UnitTableModel::targetsChanged, this, &ProblemIndex::update);
    rebuild();
}

ProblemIndex::~ProblemIndex() = default;

const std::vector<Problem> &ProblemIndex::problems(int row) const
{
    static const std::vector<Problem> none;
    return row >= 0 && std::size_t(row) < m_rows.size() ? m_rows[std::size_t(row)] : none;
}

bool ProblemIndex::hasProblems(int row) const
{
    const std::vector<Problem> &found = problems(row);
    return std::any_of(found.begin(), found.end(), [](const Problem &p) { return !p.accepted; });
}

bool ProblemIndex::hasErrors(int row) const
{
    const std::vector<Problem> &found = problems(row);
    return !found.empty() && found.front().severity == Problem::Severity::Error;
}

bool ProblemIndex::hasWarningsToAccept(int row) const
{
    const std::vector<Problem> &found = problems(row);
    return std::any_of(found.begin(), found.end(), [](const Problem &p) {
        return p.severity == Problem::Severity::Warning && !p.accepted;
    });
}

QString ProblemIndex::messages(int row) const
{
    QStringList lines;
    for (const Problem &problem : problems(row))
        lines.append(problem.accepted ? tr("%1 (accepted)").arg(problem.message) : problem.message);
    return lines.join(u'\n');
}

QString ProblemIndex::acceptedFileFor(const QString &dataFolder, const QString &documentPath)
{
    if (dataFolder.isEmpty() || documentPath.isEmpty())
        return {};
    const QFileInfo document(documentPath);
    const QByteArray folder =
        QCryptographicHash::hash(document.absolutePath().toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QDir(dataFolder)
        .filePath(u"Accepted/%1-%2.jsonl"_s.arg(document.fileName(), QString::fromLatin1(folder)));
}

bool ProblemIndex::acceptWarnings(int row, QString *error)
{
    if (!m_model || !hasWarningsToAccept(row))
        return true;
    const UnitRecord &unit = m_model->rows()[std::size_t(row)];
    for (const Problem &problem : problems(row)) {
        if (problem.severity == Problem::Severity::Warning)
            m_accepted.accept(unit, problem.check);
    }
    setRow(std::size_t(row), m_rows[std::size_t(row)]);
    emit problemsChanged({row});
    if (m_acceptedPath.isEmpty())
        return true;
    QDir().mkpath(QFileInfo(m_acceptedPath).absolutePath());
    return m_accepted.save(m_acceptedPath, error);
}

void ProblemIndex::loadAccepted()
{
    m_acceptedPath = m_locateAccepted ? m_locateAccepted() : QString();
    QString error;
    // A store that can't be read is left alone (never overwritten) for this document.
    std::optional<AcceptedWarnings> loaded = AcceptedWarnings::load(m_acceptedPath, &error);
    if (!loaded)
        m_acceptedPath.clear();
    m_accepted = loaded.value_or(AcceptedWarnings());
}

void ProblemIndex::markAccepted(std::vector<Problem> &problems) const
{
    for (Problem &problem : problems)
        problem.accepted = m_accepted.accepts(m_model->rows()[problem.row], problem);
}

QIcon ProblemIndex::marker(int row) const
{
    if (!hasProblems(row))
        return {};
    return QApplication::style()->standardIcon(hasErrors(row) ? QStyle::SP_MessageBoxCritical
                                                              : QStyle::SP_MessageBoxWarning);
}

QString ProblemIndex::toolTip(int row, const QVariant &cellTip) const
{
    const QString tip = cellTip.toString();
    return tip.isEmpty() ? messages(row) : messages(row) + u"\n\n"_s + tip;
}

void ProblemIndex::rebuild()
{
    m_rows.assign(m_model ? m_model->rows().size() : 0, {});
    m_pluralRows.clear();
    m_groups.clear();
    m_errors = m_warnings = 0;
    if (!m_model)
        return;
    loadAccepted();
    m_engine = std::make_unique<CheckEngine>(m_model->files());
    m_groups = PluralCheck::groups(m_model->rows());
    for (Problem &problem : m_engine->check(m_model->rows())) {
        if (isPlural(problem) && !m_pluralRows.contains(int(problem.row)))
            m_pluralRows.append(int(problem.row));
        m_rows[problem.row].push_back(std::move(problem));
    }
    for (std::vector<Problem> &problems : m_rows) {
        markAccepted(problems);
        order(problems);
        count(problems, 1);
    }
    emit reset();
}

void ProblemIndex::update(const QList<int> &rows)
{
    if (!m_model || !m_engine || m_rows.size() != m_model->rows().size())
        return rebuild();
    QList<int> changed;
    for (const int row : rows) {
        const auto index = std::size_t(row);
        if (row < 0 || index >= m_rows.size())
            continue;
        std::vector<Problem> problems = m_engine->checkUnit(m_model->rows()[index], index);
        std::copy_if(m_rows[index].begin(), m_rows[index].end(), std::back_inserter(problems),
                     isPlural);
        setRow(index, std::move(problems));
        changed.append(row);
    }
    replacePlurals(changed);
    emit problemsChanged(changed);
}

void ProblemIndex::setRow(std::size_t row, std::vector<Problem> problems)
{
    markAccepted(problems);
    order(problems);
    count(m_rows[row], -1);
    count(problems, 1);
    m_rows[row] = std::move(problems);
}

void ProblemIndex::replacePlurals(QList<int> &changed)
{
    const QList<int> before = m_pluralRows;
    for (const int row : before) {
        std::vector<Problem> kept = m_rows[std::size_t(row)];
        std::erase_if(kept, isPlural);
        setRow(std::size_t(row), std::move(kept));
    }
    m_pluralRows.clear();
    for (Problem &problem : m_engine->checkPlurals(m_groups, m_model->rows())) {
        const int row = int(problem.row);
        std::vector<Problem> problems = m_rows[problem.row];
        problems.push_back(std::move(problem));
        setRow(std::size_t(row), std::move(problems));
        m_pluralRows.append(row);
    }
    // A row may now be named twice; those who listen only look at each row again.
    changed += before;
    changed += m_pluralRows;
}

void ProblemIndex::count(const std::vector<Problem> &problems, int sign)
{
    for (const Problem &problem : problems) {
        if (!problem.accepted)
            (problem.severity == Problem::Severity::Error ? m_errors : m_warnings) += sign;
    }
}
