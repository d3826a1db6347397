#pragma once

#include "memory/MemoryEntry.h"

#include <QDialog>

#include <vector>

class MemoryService;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

/// Edit › Search Memory…: finds entries whose source or target holds the text typed (a
/// concordance), lists where each came from, and deletes the ones selected, so a bad entry
/// never stays in the memory.
class MemoryBrowser : public QDialog
{
    Q_OBJECT

public:
    MemoryBrowser(MemoryService &service, QWidget *parent);

    QLineEdit *searchField() const { return m_field; }
    QTableWidget *table() const { return m_table; }
    QPushButton *deleteButton() const { return m_delete; }
    const std::vector<MemoryEntry> &entries() const { return m_entries; }

    /// Searches for `text` at once (typing waits for a pause first).
    void searchFor(const QString &text);
    /// Deletes the selected entries from the memory.
    void deleteSelected();

private:
    void showFound(const QString &text, const std::vector<MemoryEntry> &entries);

    MemoryService &m_service;
    QLineEdit *m_field = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_delete = nullptr;
    QLabel *m_status = nullptr;
    QTimer *m_pause = nullptr;
    std::vector<MemoryEntry> m_entries;
};
