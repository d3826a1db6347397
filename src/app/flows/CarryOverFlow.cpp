#include "app/flows/CarryOverFlow.h"

#include "app/flows/AppDelegate.h"
#include "app/flows/CarryOverDialog.h"
#include "carryover/CarryOver.h"
#include "carryover/EarlierTranslation.h"
#include "files/DocumentFile.h"
#include "xliff/StateAttribute.h"

#include <QAction>
#include <QMessageBox>

CarryOverFlow::CarryOverFlow(AppDelegate &delegate, QWidget *window)
    : QObject(window), m_delegate(delegate), m_window(window), m_dialog(new CarryOverDialog(window))
{
    m_dialog->setObjectName(QStringLiteral("carryOverDialog"));
    connect(m_dialog, &CarryOverDialog::chosen, this, &CarryOverFlow::carryFrom);

    m_action = new QAction(tr("Fill From Earlier &Translation…"), this);
    m_action->setObjectName(QStringLiteral("actionFillFromEarlier"));
    connect(m_action, &QAction::triggered, this, &CarryOverFlow::start);
    m_action->setEnabled(false);
    // Only an open document has units to fill.
    if (UnitTableModel *bank = m_delegate.bank()) {
        connect(bank, &QAbstractItemModel::modelReset, m_action,
                [this, bank] { m_action->setEnabled(bank->rowCount() > 0); });
    }
}

void CarryOverFlow::start()
{
    m_dialog->open();
}

bool CarryOverFlow::carryFrom(const QString &path, bool overwrite)
{
    UnitTableModel *bank = m_delegate.bank();
    const std::optional<QString> &document = m_delegate.state().document.documentPath;
    if (!bank || bank->rowCount() == 0 || !document)
        return false;
    const EarlierTranslation::Loaded earlier =
        EarlierTranslation::load(path, FileHeader::targetLanguageOf(bank->files()));
    if (!earlier.error.isEmpty()) {
        show(true, tr("Nothing was filled."), earlier.error);
        return false;
    }
    // The save splices into the file on disk; whether its targets keep states decides
    // whether the marks are written into it.
    const bool statesUsed = StateAttribute::usedIn(DocumentFile::read(*document).bytes);
    CarryOver::Result carried =
        CarryOver::carry(bank->rows(), bank->files(), earlier.content, {overwrite, statesUsed});
    if (!carried.error.isEmpty()) {
        show(true, tr("Nothing was filled."), carried.error);
        return false;
    }
    if (!carried.changes.empty())
        m_delegate.changeTargets(std::move(carried.changes), tr("Fill From Earlier Translation"));

    const CarryOver::Counts &counts = carried.counts;
    QString details = tr("Suggestions to review show \"Needs Review\" in the State column; "
                         "editing or confirming a unit clears its mark.");
    if (counts.severalTargets > 0) {
        details += u'\n' + tr("%n suggestion(s) were chosen as the most frequent of differing "
                              "targets.",
                              nullptr, int(counts.severalTargets));
    }
    show(false,
         tr("%1 exact, %2 to review, %3 not found.")
             .arg(counts.exact)
             .arg(counts.review)
             .arg(counts.notFound),
         details);
    return true;
}

void CarryOverFlow::show(bool warning, const QString &text, const QString &informative)
{
    if (m_message)
        m_message->close();
    m_message =
        new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information,
                        tr("Fill From Earlier Translation"), text, QMessageBox::Ok, m_window);
    m_message->setObjectName(QStringLiteral("carryOverMessage"));
    m_message->setInformativeText(informative);
    m_message->setAttribute(Qt::WA_DeleteOnClose);
    m_message->setWindowModality(Qt::WindowModal);
    m_message->open();
}
