#include "AppHarness.h"

#include "app/flows/ConfirmSheet.h"
#include "app/flows/ConflictSheet.h"
#include "app/recovery/RecoveryController.h"

#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QString elytra = QStringLiteral(TARNWICK_TEST_DATA "/corpus/elytra-ja-xcode15-mixed.xliff");

QStringList journals()
{
    const QDir folder(QDir(RecoveryController::defaultDataFolder()).filePath(u"Recovery"_s));
    return folder.entryList({u"*.journal"_s}, QDir::Files);
}

/// Answers a question the way the user does: a key to what has the focus, or a click.
void answer(ConfirmSheet &sheet, const QString &how)
{
    if (how == u"Return" || how == u"Escape") {
        const auto inSheet = [&sheet] {
            QWidget *focus = QApplication::focusWidget();
            return focus && (focus == &sheet || sheet.isAncestorOf(focus));
        };
        QTRY_VERIFY(inSheet());
        QTest::keyClick(QApplication::focusWidget(),
                        how == u"Return" ? Qt::Key_Return : Qt::Key_Escape);
        return;
    }
    QPushButton *button = how == u"Save"         ? sheet.saveButton()
                          : how == u"Don't Save" ? sheet.confirmButton()
                                                 : sheet.cancelButton();
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestSaveQuestions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        AppHarness::initSettings();
        // Journals of this suite's own, never another suite's.
        QCoreApplication::setOrganizationName(u"TarnwickQuestionsTest"_s);
    }
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(RecoveryController::defaultDataFolder()).removeRecursively();
    }

    void questionsOverUnsavedWork_data();
    void questionsOverUnsavedWork();
    void openingOverSavedWorkAsksAsBefore();
    void quittingWaitsForTheConflictQuestion_data();
    void quittingWaitsForTheConflictQuestion();

private:
    QTemporaryDir m_dir;
    int m_files = 0;
};

void TestSaveQuestions::questionsOverUnsavedWork_data()
{
    QTest::addColumn<bool>("quitting");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("goesOn"); // the window closes, or the other document opens

    for (const bool quitting : {true, false}) {
        const QString question = quitting ? u"quit: "_s : u"open: "_s;
        // Return is Save: no key discards work. Escape is Cancel.
        QTest::newRow(qPrintable(question + u"Return"_s))
            << quitting << u"Return"_s << true << true;
        QTest::newRow(qPrintable(question + u"Escape"_s))
            << quitting << u"Escape"_s << false << false;
        QTest::newRow(qPrintable(question + u"Save"_s)) << quitting << u"Save"_s << true << true;
        QTest::newRow(qPrintable(question + u"Don't Save"_s))
            << quitting << u"Don't Save"_s << false << true;
        QTest::newRow(qPrintable(question + u"Cancel"_s))
            << quitting << u"Cancel"_s << false << false;
    }
}

void TestSaveQuestions::questionsOverUnsavedWork()
{
    QFETCH(bool, quitting);
    QFETCH(QString, how);
    QFETCH(bool, saved);
    QFETCH(bool, goesOn);

    const QString path = copyFile(elytra, m_dir.filePath(u"work-%1.xliff"_s.arg(++m_files)));
    const QString other = copyFile(elytra, m_dir.filePath(u"other-%1.xliff"_s.arg(m_files)));
    const QByteArray original = fileBytes(path);
    AppHarness app;
    app.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.window));
    QVERIFY(app.delegate.openFile(path));
    QVERIFY(app.editTarget(8, u"対象"_s));
    QCOMPARE(journals().size(), 1);

    if (quitting)
        app.window.close();
    else
        QVERIFY(!app.delegate.openFile(other));
    ConfirmSheet &sheet = *(quitting ? app.delegate.confTerm() : app.delegate.confOver());
    QVERIFY(sheet.isVisible());
    QVERIFY(sheet.saveButton()->isVisible());
    QVERIFY(sheet.saveButton()->isDefault());
    QCOMPARE(sheet.confirmButton()->text(), u"Don't Save"_s);
    answer(sheet, how);
    QCoreApplication::processEvents();

    QVERIFY(!sheet.isVisible());
    QCOMPARE(fileBytes(path).contains("<target>対象</target>"), saved);
    if (!saved)
        QCOMPARE(fileBytes(path), original);
    // The journal goes with the work, saved or discarded; kept while the work stays.
    QCOMPARE(journals().isEmpty(), goesOn);
    if (quitting) {
        QCOMPARE(app.window.isVisible(), !goesOn);
    } else {
        QCOMPARE(app.document().documentPath, goesOn ? other : path);
        QCOMPARE(app.bank().rows()[8].tget.has_value(), !goesOn);
    }
    QCOMPARE(app.edited(), !goesOn);
}

void TestSaveQuestions::openingOverSavedWorkAsksAsBefore()
{
    const QString path = copyFile(elytra, m_dir.filePath(u"clean.xliff"_s));
    const QString other = copyFile(elytra, m_dir.filePath(u"clean-other.xliff"_s));
    AppHarness app;
    app.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app.window));
    QVERIFY(app.delegate.openFile(path));
    QVERIFY(!app.delegate.openFile(other));
    ConfirmSheet &sheet = *app.delegate.confOver();
    QCOMPARE(sheet.windowTitle(), u"Open Another Document?"_s);
    QVERIFY(!sheet.saveButton()->isVisible());
    QVERIFY(sheet.confirmButton()->isDefault());
    answer(sheet, u"Return"_s);
    QCOMPARE(app.document().documentPath, other);
}

void TestSaveQuestions::quittingWaitsForTheConflictQuestion_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("closes");
    QTest::newRow("keep mine") << u"mine"_s << true;
    QTest::newRow("keep the file's") << u"theirs"_s << true;
    QTest::newRow("cancel") << u"cancel"_s << false;
}

void TestSaveQuestions::quittingWaitsForTheConflictQuestion()
{
    // Save in the quit question goes through the question about a unit that another
    // program changed too: the window closes once that save is done, and stays when the
    // save is cancelled, however long the questions take.
    QFETCH(QString, reply);
    QFETCH(bool, closes);
    const QString path = copyFile(elytra, m_dir.filePath(u"conflict-%1.xliff"_s.arg(++m_files)));
    AppHarness app;
    QVERIFY(app.delegate.openFile(path));
    QVERIFY(app.editTarget(8, u"対象"_s));
    QByteArray changed = fileBytes(path);
    const UnitRecord &unit = app.bank().rows()[8];
    const QByteArray id = "id=\"" + unit.name.value_or(QString()).toUtf8() + "\"";
    const qsizetype at = changed.indexOf("</source>", changed.indexOf(id)) + 9;
    QVERIFY(at > 9);
    changed.insert(at, "<target>他所</target>");
    QVERIFY(writeFile(path, changed));

    app.window.close();
    answer(*app.delegate.confTerm(), u"Save"_s);
    QTRY_VERIFY(app.window.findChild<ConflictSheet *>() != nullptr);
    ConflictSheet *sheet = app.window.findChild<ConflictSheet *>();
    QVERIFY(app.window.isVisible());
    QPushButton *button = reply == u"mine"     ? sheet->keepMineButton()
                          : reply == u"theirs" ? sheet->keepTheirsButton()
                                               : sheet->cancelButton();
    button->click();
    QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    QCoreApplication::processEvents();
    QCOMPARE(app.window.isVisible(), !closes);
    QCOMPARE(fileBytes(path).contains("<target>対象</target>"), reply == u"mine");
    // A later Save of the same window does not close it.
    if (!closes) {
        app.delegate.save();
        QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
        QVERIFY(app.window.isVisible());
    }
}

QTEST_MAIN(TestSaveQuestions)
#include "tst_savequestions.moc"
