#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class UnitFilterProxy;
class UnitTableModel;

/// The status bar's account of the work: how many units are translated of the whole
/// document, with a bar, and while a filter is on, how many are shown ("N of M units")
/// and how far the shown ones have come.
class ProgressStatus : public QWidget
{
    Q_OBJECT

public:
    ProgressStatus(UnitTableModel &units, UnitFilterProxy &shown, QWidget *parent = nullptr);

    /// Counts again soon; many changes in a row are counted once.
    void scheduleUpdate();
    /// Counts the document and the units shown now.
    void update();
    /// Counts the units shown now (the filter changed, the document did not).
    void updateShown();

    QLabel *shownLabel() const { return m_shownLabel; }
    QProgressBar *shownBar() const { return m_shownBar; }
    QProgressBar *documentBar() const { return m_documentBar; }

private:
    struct Count
    {
        int total = 0;
        int done = 0;   ///< untranslated no longer
        int review = 0; ///< of which to review
    };
    /// `format` takes the units done and the total.
    void show(QProgressBar *bar, const Count &count, const QString &format);

    Count m_document;
    UnitTableModel &m_units;
    UnitFilterProxy &m_shown;
    QLabel *m_shownLabel = nullptr;
    QProgressBar *m_shownBar = nullptr;
    QProgressBar *m_documentBar = nullptr;
    bool m_scheduled = false;
};
