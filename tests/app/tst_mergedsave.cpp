// Save and Save As through the window while another program changed or removed the file:
// only the user's changes are written into the file as it is now, what both changed is
// asked about, and a deleted file is written back from the bytes last read.
#include "AppHarness.h"

#include "app/flows/ConflictSheet.h"
#include "app/recovery/RecoveryController.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using Targets = QList<QByteArray>; ///< one per unit "u0", "u1", …; empty: the unit is gone

QByteArray exportOf(const Targets &targets)
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff "
                      "xmlns=\"urn:oasis:names:tc:xliff:document:1.2\" version=\"1.2\">\n  <file "
                      "original=\"App/en.lproj/Main.strings\" source-language=\"en\" "
                      "target-language=\"ja\" datatype=\"plaintext\">\n    <body>\n";
    for (qsizetype i = 0; i < targets.size(); ++i) {
        if (targets[i].isEmpty())
            continue;
        const QByteArray id = "u" + QByteArray::number(i);
        text += "      <trans-unit id=\"" + id +
                "\" xml:space=\"preserve\">\n        <source>Source " + id +
                "</source>\n        <target>" + targets[i] + "</target>\n      </trans-unit>\n";
    }
    return text + "    </body>\n  </file>\n</xliff>\n";
}

const Targets loaded = {"一", "二", "三"};

Targets with(Targets targets, int unit, const QByteArray &target)
{
    targets[unit] = target;
    return targets;
}

RecoveryController &recovery(const AppHarness &app)
{
    return *app.window.findChild<RecoveryController *>();
}

QStringList alertTitles(const AppHarness &app)
{
    QStringList titles;
    for (const QMessageBox *box : app.alerts())
        titles.append(box->text());
    return titles;
}

} // namespace

class TestMergedSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AppHarness::initSettings();
        QCoreApplication::setOrganizationName(u"TarnwickMergedSaveTest"_s);
    }
    void savesIntoTheFileAsItIsNow_data();
    void savesIntoTheFileAsItIsNow();

private:
    QTemporaryDir m_dir;
};

void TestMergedSave::savesIntoTheFileAsItIsNow_data()
{
    QTest::addColumn<std::optional<Targets>>("disk"); ///< the file at the save; none: deleted
    QTest::addColumn<QString>("answer");              ///< to the question about conflicts
    QTest::addColumn<bool>("saveAs");
    QTest::addColumn<QByteArray>("expected"); ///< the file written
    QTest::addColumn<QString>("alert");       ///< the alert shown, if any
    QTest::addColumn<bool>("edited");         ///< the mark afterwards

    // The user types "二か" into row 1 (unit u1) in each row.
    const auto row = [](const char *name, std::optional<Targets> disk, const QString &answer,
                        bool saveAs, const Targets &expected, const QString &alert, bool edited) {
        QTest::newRow(name) << disk << answer << saveAs << exportOf(expected) << alert << edited;
    };
    const Targets mine = with(loaded, 1, "二か");
    row("another program's change kept", with(loaded, 2, "参"), {}, false, with(mine, 2, "参"), {},
        false);
    row("another program's change kept by Save As", with(loaded, 2, "参"), {}, true,
        with(mine, 2, "参"), {}, false);
    row("a unit before removed", with(loaded, 0, {}), {}, false, with(mine, 0, {}), {}, false);
    row("the edited unit removed", with(loaded, 1, {}), {}, false, with(loaded, 1, {}),
        u"Some Targets Not Saved"_s, true);
    row("changed in both, keep mine", with(loaded, 1, "弐"), u"mine"_s, false, mine, {}, false);
    row("changed in both, keep the file's", with(loaded, 1, "弐"), u"theirs"_s, false,
        with(loaded, 1, "弐"), {}, false);
    row("changed in both, cancel", with(loaded, 1, "弐"), u"cancel"_s, false, with(loaded, 1, "弐"),
        {}, true);
    row("deleted, Save", std::nullopt, {}, false, mine, {}, false);
    row("deleted, Save As", std::nullopt, {}, true, mine, {}, false);
}

void TestMergedSave::savesIntoTheFileAsItIsNow()
{
    QFETCH(std::optional<Targets>, disk);
    QFETCH(QString, answer);
    QFETCH(bool, saveAs);
    QFETCH(bool, edited);
    const QString path = m_dir.filePath(u"ja.xliff"_s);
    const QString copy = m_dir.filePath(u"copy.xliff"_s);
    QFile::remove(copy);
    QVERIFY(writeFile(path, exportOf(loaded)));
    AppHarness app;
    app.delegate.openFile(path);
    QCOMPARE(app.bank().rowCount(), 3);
    recovery(app).watcher().stop(); // its notices are another suite's
    QVERIFY(app.editTarget(1, u"二か"_s));
    if (disk)
        QVERIFY(writeFile(path, exportOf(*disk)));
    else
        QVERIFY(QFile::remove(path));

    saveAs ? app.delegate.dupe() : app.delegate.save();
    QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    ConflictSheet *sheet = app.window.findChild<ConflictSheet *>();
    QCOMPARE(sheet != nullptr, !answer.isEmpty());
    if (sheet) {
        QCOMPARE(sheet->unitList()->count(), 1);
        QPushButton *button = answer == u"mine"     ? sheet->keepMineButton()
                              : answer == u"theirs" ? sheet->keepTheirsButton()
                                                    : sheet->cancelButton();
        button->click();
        QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    }
    if (saveAs) {
        QFileDialog *dialog = app.saveDialog();
        QVERIFY(dialog);
        emit dialog->fileSelected(copy);
        dialog->reject();
    }
    QFETCH(QString, alert);
    QCOMPARE(alertTitles(app), alert.isEmpty() ? QStringList() : QStringList{alert});
    QTEST(fileBytes(saveAs ? copy : path), "expected");
    QCOMPARE(app.edited(), edited);
    // After a save into a changed file the table shows the file as it is now.
    if (edited || saveAs)
        return;
    const QByteArray saved = fileBytes(path);
    QCOMPARE(app.bank().rowCount(), int(saved.count("<trans-unit")));
    for (const UnitRecord &row : app.bank().rows())
        QVERIFY(saved.contains("<target>" + row.tget.value_or(QString()).toUtf8() + "</target>"));
}

QTEST_MAIN(TestMergedSave)
#include "tst_mergedsave.moc"
