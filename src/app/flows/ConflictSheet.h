#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

/// Asks what a save does with the units that were changed both in the window and on disk
/// since the file was read: write the user's text, keep the file's, or not save at all.
/// Like the other sheets it only reports the answer.
class ConflictSheet : public QDialog
{
    Q_OBJECT

public:
    /// `units` describes each unit changed on both sides for the user.
    ConflictSheet(const QString &fileName, const QStringList &units, QWidget *parent);

    QPushButton *keepMineButton() const { return m_mine; }
    QPushButton *keepTheirsButton() const { return m_theirs; }
    QPushButton *cancelButton() const { return m_cancel; }
    QListWidget *unitList() const { return m_units; }

signals:
    void keepMine();
    void keepTheirs();

private:
    QPushButton *m_mine = nullptr;
    QPushButton *m_theirs = nullptr;
    QPushButton *m_cancel = nullptr;
    QListWidget *m_units = nullptr;
};
