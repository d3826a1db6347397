#include "app/memory/PretranslateFlow.h"

#include "app/flows/AppDelegate.h"
#include "app/memory/MemoryService.h"
#include "app/workbench/UnitTableModel.h"
#include "document/TranslationStatus.h"

#include <QAction>
#include <QInputDialog>
#include <QMessageBox>

PretranslateFlow::PretranslateFlow(AppDelegate &delegate, MemoryService &service, QWidget &window)
    : QObject(&window), m_delegate(delegate), m_service(service), m_window(window)
{
    m_action = new QAction(tr("Pre-translate From Memory…"), this);
    connect(m_action, &QAction::triggered, this, &PretranslateFlow::start);
    connect(&service, &MemoryService::pretranslated, this, &PretranslateFlow::finished);
    m_dialog = new QInputDialog(&window);
    m_dialog->setWindowTitle(tr("Pre-translate From Memory"));
    m_dialog->setLabelText(tr("Fill untranslated units from matches scoring at least (%):"));
    m_dialog->setIntRange(1, 100);
    m_dialog->setIntValue(100);
    m_dialog->setWindowModality(Qt::WindowModal);
    connect(m_dialog, &QInputDialog::intValueSelected, this, &PretranslateFlow::run);
}

void PretranslateFlow::start()
{
    if (m_delegate.bank()->rows().empty() || m_running)
        return;
    m_dialog->open();
}

void PretranslateFlow::run(int minimum)
{
    const UnitTableModel *bank = m_delegate.bank();
    if (m_running || bank->rows().empty())
        return;
    m_running = true;
    m_sources.clear();
    for (const UnitRecord &row : bank->rows())
        m_sources.push_back(row.srcs);
    m_service.pretranslate(bank->rows(), bank->files(), {minimum, false, false});
}

void PretranslateFlow::finished(const Pretranslation::Result &result)
{
    if (!m_running)
        return;
    m_running = false;
    const UnitTableModel *bank = m_delegate.bank();
    std::vector<TargetChange> changes;
    for (const TargetChange &change : result.changes) {
        const UnitRecord *unit = bank->record(int(change.row));
        if (unit && change.row < m_sources.size() && unit->srcs == m_sources[change.row] &&
            TranslationStatus::isUntranslated(*unit))
            changes.push_back(change);
    }
    if (!result.error.isEmpty()) {
        m_message = new QMessageBox(QMessageBox::Warning, tr("Nothing Pre-translated"),
                                    result.error, QMessageBox::Ok, &m_window);
    } else {
        const Pretranslation::Counts &counts = result.counts;
        m_delegate.changeTargets(std::move(changes), tr("Pre-translate From Memory"));
        m_message = new QMessageBox(
            QMessageBox::Information, tr("Pre-translated From Memory"),
            tr("%1 exact, %2 fuzzy, %3 not found. The filled units are marked Needs Review.")
                .arg(counts.exact)
                .arg(counts.fuzzy)
                .arg(counts.notFound),
            QMessageBox::Ok, &m_window);
    }
    m_message->setAttribute(Qt::WA_DeleteOnClose);
    m_message->open();
}
