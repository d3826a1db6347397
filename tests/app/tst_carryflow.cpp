#include "AppHarness.h"
#include "document/ExportText.h"

#include "app/flows/CarryOverDialog.h"
#include "app/flows/CarryOverFlow.h"
#include "app/flows/PickerSheet.h"
#include "app/workbench/FilterBar.h"
#include "app/workbench/UnitFilterProxy.h"
#include "document/TranslationStatus.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

/// An export into `language` of "Open", "Close" and "Save", each unit given `targets[i]`
/// as its target element ("-" for none); "Close" has the id `closeId`.
QByteArray exportOf(const QString &language, const QStringList &targets,
                    const QString &closeId = u"close"_s)
{
    return exportText({u"MainMenu.xib#open|Open|%1#%2|Close|%3#save|Save|%4"_s.arg(
                          targets[0], closeId, targets[1], targets[2])},
                      language);
}

/// Last release's translation: "Close" had another id then, so it is only a suggestion.
QByteArray earlierJapanese()
{
    return exportOf(u"ja"_s, {u"<target>開く</target>"_s, u"<target>閉じる</target>"_s, u"-"_s},
                    u"close-old"_s);
}

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestCarryFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void fillFromEarlier_data();
    void fillFromEarlier();
    void pickerShowsEachLanguage();
};

void TestCarryFlow::fillFromEarlier_data()
{
    QTest::addColumn<QStringList>("targets");  ///< the new export's target elements
    QTest::addColumn<QString>("reviewTarget"); ///< how "Close" is saved
    QTest::addColumn<QString>("exactTarget");  ///< how "Open" is saved
    QTest::newRow("Xcode 14, no states")
        << QStringList{u"-"_s, u"-"_s, u"-"_s}
        << u"<target state=\"needs-review-l10n\">閉じる</target>"_s << u"<target>開く</target>"_s;
    QTest::newRow("Xcode 15, states") << QStringList{u"<target state=\"new\">Open</target>"_s,
                                                     u"<target state=\"new\">Close</target>"_s,
                                                     u"<target state=\"new\">Save</target>"_s}
                                      << u"<target state=\"needs-review-l10n\">閉じる</target>"_s
                                      << u"<target state=\"translated\">開く</target>"_s;
}

void TestCarryFlow::fillFromEarlier()
{
    QFETCH(QStringList, targets);
    QTemporaryDir dir;
    const QString document = dir.filePath(u"ja.xliff"_s);
    const QString earlier = dir.filePath(u"last/ja.xliff"_s);
    QVERIFY(writeFile(document, exportOf(u"ja"_s, targets)));
    QVERIFY(writeFile(earlier, earlierJapanese()));
    AppHarness app;
    QVERIFY(app.delegate.openFile(document));
    const std::vector<UnitRecord> before = app.bank().rows();

    // Through the menu item and its dialog, as the user does.
    auto *flow = app.window.findChild<CarryOverFlow *>(u"carryOverFlow"_s);
    app.window.findChild<QAction *>(u"actionFillFromEarlier"_s)->trigger();
    QVERIFY(flow->dialog()->isVisible());
    flow->dialog()->pathEdit()->setText(dir.filePath(u"last"_s));
    flow->dialog()->fillButton()->click();
    QVERIFY(!flow->dialog()->isVisible());

    QVERIFY(flow->message() && flow->message()->isVisible());
    QCOMPARE(flow->message()->text(), u"1 exact, 1 to review, 1 not found."_s);
    flow->message()->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(!flow->message());
    QVERIFY(app.edited());
    const auto stateShown = [&](int row) {
        return app.bank()
            .index(row, UnitTableModel::column(UnitTableModel::Column::State))
            .data()
            .toString();
    };
    QCOMPARE(app.bank().rows()[0].tget, u"開く"_s);
    QCOMPARE(app.bank().rows()[1].tget, u"閉じる"_s);
    QCOMPARE(stateShown(1), u"Needs Review"_s);
    QCOMPARE(app.bank().rows()[2].tget, before[2].tget);
    // The workbench's "Needs Review" choice shows the suggestion alone.
    QComboBox *status = app.window.filterBar()->statusChoice();
    status->setCurrentIndex(status->findData(int(UnitFilter::Status::NeedsReview)));
    QCOMPARE(app.window.shown()->rowCount(), 1);
    QCOMPARE(app.window.shown()->mapToSource(app.window.shown()->index(0, 0)).row(), 1);
    status->setCurrentIndex(0);

    // One step undoes the whole pass, record for record.
    QCOMPARE(app.delegate.undoStack().count(), 1);
    app.delegate.undoStack().undo();
    for (size_t i = 0; i < before.size(); ++i) {
        QCOMPARE(app.bank().rows()[i].tget, before[i].tget);
        QCOMPARE(app.bank().rows()[i].state, before[i].state);
    }
    app.delegate.undoStack().redo();

    app.delegate.save();
    const QString saved = fileText(document);
    QFETCH(QString, reviewTarget);
    QFETCH(QString, exactTarget);
    QVERIFY2(saved.contains(reviewTarget), qPrintable(saved));
    QVERIFY2(saved.contains(exactTarget), qPrintable(saved));

    // Confirming a suggestion as it stands, or editing it, settles it.
    const QModelIndex close =
        app.bank().index(1, UnitTableModel::column(UnitTableModel::Column::Target));
    QVERIFY(app.bank().setData(close, u"閉じる"_s, UnitTableModel::ConfirmRole));
    QVERIFY(!TranslationStatus::needsReview(app.bank().rows()[1]));
    app.delegate.undoStack().undo();
    QVERIFY(TranslationStatus::needsReview(app.bank().rows()[1]));
    QVERIFY(app.editTarget(1, u"閉める"_s));
    QVERIFY(!TranslationStatus::needsReview(app.bank().rows()[1]));
}

// What Xcode's Export Localizations writes: one .xcloc package per language.
void TestCarryFlow::pickerShowsEachLanguage()
{
    QTemporaryDir dir;
    const QString project = dir.filePath(u"Project Localizations"_s);
    QVERIFY(writeFile(project + u"/de.xcloc/Localized Contents/de.xliff"_s,
                      exportOf(u"de"_s, {u"<target>Öffnen</target>"_s, u"-"_s, u"-"_s})));
    QVERIFY(writeFile(project + u"/ja.xcloc/Localized Contents/ja.xliff"_s, earlierJapanese()));
    AppHarness app;
    app.delegate.read(project);
    PickerSheet *picker = app.delegate.more();
    QVERIFY(picker->isVisible());
    const QAbstractItemModel *shown = picker->list()->model();
    QCOMPARE(shown->rowCount(), 2);
    QVERIFY(shown->index(0, 0).data().toString().endsWith(u"de · 1 of 3 translated"_s));
    QVERIFY(shown->index(1, 0).data().toString().endsWith(u"ja · 2 of 3 translated"_s));
    // The pick still opens the path itself.
    picker->selectRow(1);
    picker->confirmButton()->click();
    QCOMPARE(app.document().documentPath, project + u"/ja.xcloc/Localized Contents/ja.xliff"_s);

    // After a save the next scan counts the file as it is now.
    QVERIFY(app.editTarget(2, u"保存"_s));
    app.delegate.save();
    app.delegate.read(project);
    QVERIFY(shown->index(3, 0).data().toString().endsWith(u"ja · 3 of 3 translated"_s));
}

QTEST_MAIN(TestCarryFlow)
#include "tst_carryflow.moc"
