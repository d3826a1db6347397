#include "AppHarness.h"

#include "app/workbench/FilterBar.h"
#include "app/workbench/ProblemStatus.h"
#include "app/workbench/ProgressStatus.h"
#include "app/workbench/UnitTableView.h"
#include "views/Localisation.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTemporaryDir>

namespace {

const QString elytra = QStringLiteral(TARNWICK_TEST_DATA "/corpus/elytra-ja-xcode15-mixed.xliff");

/// The letter after "&" in a menu text (none: 0).
QChar mnemonic(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&' && text[i + 1] != u'&')
            return text[i + 1].toUpper();
        if (text[i] == u'&')
            ++i;
    }
    return {};
}

} // namespace

class TestWindowWords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }

    void nothingIsCutFrom900Pixels();
    void columnsShowWholeNames();
    void menusHaveUniqueMnemonics_data();
    void menusHaveUniqueMnemonics();

private:
    QTemporaryDir m_dir;
};

void TestWindowWords::nothingIsCutFrom900Pixels()
{
    AppHarness app;
    QVERIFY(app.delegate.openFile(copyFile(elytra, m_dir.filePath(u"words.xliff"_s))));
    // A filter on, so every part of the status bar shows, and problems to count.
    QComboBox *status = app.window.filterBar()->statusChoice();
    status->setCurrentIndex(status->findData(int(UnitFilter::Status::Untranslated)));
    app.window.resize(900, 600);
    QVERIFY(QTest::qWaitForWindowExposed(&app.window));
    QCoreApplication::processEvents();
    QCOMPARE(app.window.width(), 900);

    ProgressStatus &progress = *app.window.progress();
    const QList<QLabel *> labels{app.window.problemStatus(), progress.shownLabel(),
                                 progress.documentLabel(), progress.wordsLabel()};
    for (QLabel *label : labels) {
        QVERIFY2(label->isVisible(), qPrintable(label->objectName()));
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        QVERIFY(app.window.statusBar()->rect().contains(
            label->mapTo(app.window.statusBar(), label->rect().bottomRight())));
    }
    QVERIFY(progress.documentLabel()->text().startsWith(u"440 of 678 translated"_s));
    QVERIFY(progress.wordsLabel()->text().startsWith(u"Words: "_s));
    // The bars carry no words of their own to cut.
    QVERIFY(!progress.documentBar()->isTextVisible());
}

void TestWindowWords::columnsShowWholeNames()
{
    AppHarness app;
    QVERIFY(app.delegate.openFile(copyFile(elytra, m_dir.filePath(u"columns.xliff"_s))));
    UnitTableView &table = *app.window.table();
    const int state = UnitTableModel::column(UnitTableModel::Column::State);
    for (const QString &name : UnitTableModel::stateNames())
        QVERIFY2(table.columnWidth(state) > table.fontMetrics().horizontalAdvance(name),
                 qPrintable(name));

    // The File column shows the file's name; its path is in the tooltip.
    const QModelIndex file =
        app.bank().index(0, UnitTableModel::column(UnitTableModel::Column::File));
    QCOMPARE(file.data().toString(), u"Localizable.strings"_s);
    QCOMPARE(file.data(Qt::ToolTipRole).toString(),
             u"../../DZ/purchases-ios/RevenueCatUI/Resources/en.lproj/Localizable.strings"_s);
}

void TestWindowWords::menusHaveUniqueMnemonics_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << u"en"_s;
    QTest::newRow("Japanese") << u"ja"_s; // last: its translation stays installed
}

void TestWindowWords::menusHaveUniqueMnemonics()
{
    QFETCH(QString, language);
    if (language == u"ja")
        QVERIFY(Localisation::installTranslations(*qApp, QLocale(QLocale::Japanese)));
    AppHarness app;
    const QList<QMenu *> menus = app.window.menuBar()->findChildren<QMenu *>();
    QVERIFY(menus.size() >= 5);
    for (const QMenu *menu : menus) {
        QHash<QChar, QString> taken;
        for (const QAction *action : menu->actions()) {
            const QChar letter = mnemonic(action->text());
            if (action->isSeparator() || letter.isNull())
                continue;
            QVERIFY2(!taken.contains(letter), qPrintable(u"%1: %2 and %3"_s.arg(
                                                  menu->title(), taken[letter], action->text())));
            taken.insert(letter, action->text());
        }
    }
}

QTEST_MAIN(TestWindowWords)
#include "tst_windowwords.moc"
