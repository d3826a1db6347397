#pragma once

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

/// The current unit's matches below the detail pane: score, the match's source with what
/// differs from this unit's source marked, its target, and where and when it came from.
/// Ctrl+1 … Ctrl+5 (or a double click) ask for match N; a button offers the target just
/// committed to the other untranslated units with the same source.
class MemoryPanel : public QWidget
{
    Q_OBJECT

public:
    struct Shown
    {
        int score = 0;
        QString source;
        QString target;
        QString origin; ///< where and when, as the user reads it
    };

    explicit MemoryPanel(QWidget *parent = nullptr);

    /// Shows `matches` (at most five are kept) for a unit whose source is `source`.
    void showMatches(const QString &source, std::vector<Shown> matches);
    const std::vector<Shown> &matches() const { return m_matches; }
    /// Offers the current target to `count` other units (0 hides the offer).
    void showOffer(int count);

    QTreeWidget *list() const { return m_list; }
    QPushButton *offerButton() const { return m_offer; }

    /// The match's source as rich text, the words that differ from `current` underlined.
    static QString markedSource(const QString &source, const QString &current);

signals:
    void useRequested(int index);
    void offerAccepted();

private:
    QTreeWidget *m_list = nullptr;
    QPushButton *m_offer = nullptr;
    std::vector<Shown> m_matches;
};
