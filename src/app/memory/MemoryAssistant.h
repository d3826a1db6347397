#pragma once

#include "app/memory/MemoryPanel.h"
#include "memory/TranslationMemory.h"

#include <QObject>

#include <vector>

class AppDelegate;
class MemoryService;
class MemoryBrowser;
class QAction;
class Workbench;

/// Brings the translation memory into the window: the current unit's matches as you move
/// (other units of the document with the same source first), Ctrl+1 … Ctrl+5 to take one
/// (one undo step), the offer of a committed target to the other untranslated units with
/// the same source, and every translated unit given to the memory when the document is
/// saved.
class MemoryAssistant : public QObject
{
    Q_OBJECT

public:
    MemoryAssistant(AppDelegate &delegate, Workbench &workbench, QWidget &window,
                    const QString &memoryPath);

    MemoryPanel *panel() const { return m_panel; }
    MemoryService *service() const { return m_service; }
    MemoryBrowser *browser() const { return m_browser; }

    /// Puts match `index` (0-based, as shown) into the current unit's target.
    void use(int index);
    /// Gives the current unit's target to the other untranslated units with its source.
    void fillSameSource();

private:
    /// Puts the items at the end of the window's Edit menu.
    void addToEditMenu(const QList<QAction *> &actions);
    int currentRow() const;
    void currentChanged();
    void showMatches(const std::vector<TranslationMemory::Match> &fromMemory);
    void found(quint64 ticket, const std::vector<TranslationMemory::Match> &matches);
    void targetsChanged(const QList<int> &rows);
    void remember(const QString &path);
    void tell(const QString &message);
    /// The other untranslated units whose source is that of `row`.
    std::vector<std::size_t> sameSourceRows(int row) const;

    AppDelegate &m_delegate;
    Workbench &m_workbench;
    QWidget &m_window;
    MemoryService *m_service = nullptr;
    MemoryPanel *m_panel = nullptr;
    MemoryBrowser *m_browser = nullptr;
    quint64 m_ticket = 0;
    int m_row = -1;
    std::vector<MemoryPanel::Shown> m_fromDocument;
};
