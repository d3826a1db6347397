#pragma once

#include <QDateTime>
#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

/// Offers to restore the edits a recovery journal kept from a session that ended without
/// saving: how many, and when the last was made. Edits that no longer match a unit of the
/// file are listed; they are not restored. Like ConfirmSheet it only reports the answer.
class RecoverySheet : public QDialog
{
    Q_OBJECT

public:
    struct Offer
    {
        QString fileName;
        int edits = 0;      ///< units the journal edits
        QDateTime lastEdit; ///< when the newest edit was made
        bool fileChanged = false;
        QStringList unmatched; ///< the edits that can't be restored, described for the user
        QStringList refused;   ///< the edits typing would refuse, each with why
    };

    RecoverySheet(const Offer &offer, QWidget *parent);

    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *cancelButton() const { return m_cancel; }
    /// The list of edits that are not restored, or null when all match.
    QListWidget *unmatchedList() const { return m_unmatched; }
    /// The list of edits refused as typing refuses them, or null when there are none.
    QListWidget *refusedList() const { return m_refused; }

signals:
    void confirmed();

private:
    QPushButton *m_confirm = nullptr;
    QPushButton *m_cancel = nullptr;
    QListWidget *m_unmatched = nullptr;
    QListWidget *m_refused = nullptr;
};
