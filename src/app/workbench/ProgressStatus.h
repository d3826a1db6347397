#pragma once

#include "document/WordCount.h"

#include <QWidget>

#include <vector>

class QLabel;
class QProgressBar;
class UnitFilterProxy;
class UnitTableModel;

/// The status bar's account of the work: how many units of the whole document are
/// translated, with a bar, how many source words are translated and still to translate,
/// and while a filter is on, how many units are shown ("N of M units") and how far the
/// shown ones have come. The words stand in labels beside the bars, never inside them, so
/// a narrow window never cuts them.
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
    QLabel *documentLabel() const { return m_documentLabel; }
    QProgressBar *documentBar() const { return m_documentBar; }
    QLabel *wordsLabel() const { return m_wordsLabel; }

private:
    struct Count
    {
        int total = 0;
        int done = 0;   ///< untranslated no longer
        int review = 0; ///< of which to review
    };
    /// `format` takes the units done and the total; the text goes to the label and stays
    /// the bar's format, for its tooltip and accessibility.
    void show(QProgressBar *bar, QLabel *label, const Count &count, const QString &format);
    void showWords();
    /// The source words of every unit, counted once per load: sources never change.
    void countSourceWords();

    Count m_document;
    UnitTableModel &m_units;
    UnitFilterProxy &m_shown;
    WordCount m_wordCount;
    std::vector<int> m_sourceWords;
    QLabel *m_shownLabel = nullptr;
    QProgressBar *m_shownBar = nullptr;
    QLabel *m_documentLabel = nullptr;
    QProgressBar *m_documentBar = nullptr;
    QLabel *m_wordsLabel = nullptr;
    bool m_scheduled = false;
};
