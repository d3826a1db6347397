#pragma once

#include <QDialog>

class QAbstractItemModel;
class QListView;
class QPushButton;

/// Lists the files a folder scan found, each with its target language and translated count,
/// single selection, so the user picks one to open.
/// Like ConfirmSheet it only reports; the controller opens the pick and ends the sheet.
class PickerSheet : public QDialog
{
    Q_OBJECT

public:
    PickerSheet(QAbstractItemModel *paths, QWidget *parent);

    /// The selected row of the path list, or -1 when none is selected.
    int selectedRow() const;
    void selectRow(int row);

    QListView *list() const { return m_list; }
    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void confirmed();

private:
    QListView *m_list = nullptr;
    QPushButton *m_confirm = nullptr;
    QPushButton *m_cancel = nullptr;
};
