#include "app/flows/ReplaceInTargets.h"

#include "app/flows/AppDelegate.h"
#include "app/workbench/UnitFilterProxy.h"
#include "app/workbench/UnitTableModel.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ReplaceInTargets::ReplaceInTargets(AppDelegate &delegate, UnitFilterProxy &shown, QWidget *window)
    : QDialog(window), m_delegate(delegate), m_shown(shown)
{
    setObjectName(QStringLiteral("replaceInTargets"));
    setWindowTitle(tr("Replace in Targets"));
    setWindowModality(Qt::WindowModal);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("replaceFind"));
    m_replace = new QLineEdit(this);
    m_replace->setObjectName(QStringLiteral("replaceWith"));
    m_outcome = new QLabel(this);
    m_outcome->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *all = buttons->addButton(tr("Replace &All"), QDialogButtonBox::ApplyRole);
    all->setDefault(true);
    connect(all, &QPushButton::clicked, this, &ReplaceInTargets::replaceAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QFormLayout(this);
    layout->addRow(tr("&Find in targets:"), m_find);
    layout->addRow(tr("Replace &with:"), m_replace);
    layout->addRow(m_outcome);
    layout->addRow(buttons);

    m_action = new QAction(tr("R&eplace…"), this);
    m_action->setObjectName(QStringLiteral("actionReplaceInTargets"));
    // Ctrl+H on every desktop, as Qt Linguist and most editors have it.
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(m_action, &QAction::triggered, this, &ReplaceInTargets::start);
}

void ReplaceInTargets::start()
{
    m_outcome->clear();
    open();
    m_find->setFocus(Qt::ShortcutFocusReason);
    m_find->selectAll();
}

int ReplaceInTargets::replaceAll()
{
    const QString find = m_find->text();
    if (find.isEmpty())
        return 0;
    const QString with = m_replace->text();
    std::vector<TargetChange> changes;
    for (int row = 0; row < m_shown.rowCount(); ++row) {
        const UnitRecord *unit = m_shown.record(row);
        if (!unit || !unit->tget || !unit->tget->contains(find))
            continue;
        const auto documentRow = std::size_t(m_shown.mapToSource(m_shown.index(row, 0)).row());
        changes.push_back(
            UnitTableModel::typed(*unit, documentRow, QString(*unit->tget).replace(find, with)));
    }
    const int count = int(changes.size());
    if (count > 0)
        m_delegate.changeTargets(std::move(changes), tr("Replace in Targets"));
    m_outcome->setText(tr("Replaced in %n target(s).", nullptr, count));
    return count;
}
