#pragma once

#include <QWidget>

class QAbstractItemModel;
class QCheckBox;
class QPushButton;
class QTableView;

/// The preferences window: the dictionary table `grid` with its add (tag 0) and remove
/// (tag 1) buttons, and the "Check for updates at launch" box, which writes the integer
/// setting "NU" (1 when checked, 0 when not). Escape closes it, as it does a dialog,
/// unless an entry is being edited (then it gives the entry back).
class PreferencesWindow : public QWidget
{
    Q_OBJECT

public:
    /// The settings key of the update check.
    static QString updateCheckKey();

    explicit PreferencesWindow(QWidget *parent = nullptr);

    /// Shows `model` in the table.
    void setModel(QAbstractItemModel *model);

    QTableView *grid() const { return m_grid; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }
    QCheckBox *updateCheckBox() const { return m_updateCheck; }

signals:
    /// A dictionary button was pressed; `tag` is its "tag" property (0 add, 1 remove).
    void plusRequested(int tag);
    /// Writing the update-check setting failed; `text` says so for the user.
    void problem(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *makeTaggedButton(const QString &text, const QString &toolTip, int tag);
    void readUpdateCheck();
    void writeUpdateCheck(bool checked);

    QTableView *m_grid = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QCheckBox *m_updateCheck = nullptr;
};
