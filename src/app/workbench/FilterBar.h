#pragma once

#include "document/FileHeader.h"
#include "document/UnitFilter.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLineEdit;

/// The bar above the table that says which units to show: a find field matched as you
/// type, a status choice and a choice of the export's files. Escape in the find field
/// clears it (and, when it is already empty, the other choices); Return hands the search
/// over to the table.
class FilterBar : public QWidget
{
    Q_OBJECT

public:
    explicit FilterBar(QWidget *parent = nullptr);

    UnitFilter filter() const;
    QLineEdit *findField() const { return m_find; }
    QComboBox *statusChoice() const { return m_status; }
    QComboBox *fileChoice() const { return m_file; }

    /// Offers the files of a newly loaded document and shows every unit again.
    void setFiles(const std::vector<FileHeader> &files);
    /// Puts the cursor in the find field with its text selected (Edit › Find…).
    void focusFind();
    /// Shows every unit again.
    void clear();

signals:
    void filterChanged(const UnitFilter &filter);
    /// Return in the find field: go to the first unit found.
    void findAccepted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void announce();

    QLineEdit *m_find = nullptr;
    QComboBox *m_status = nullptr;
    QComboBox *m_file = nullptr;
};
