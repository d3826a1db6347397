// A String Catalog in the window: the language sheet, the workbench and undo on its units,
// the save by splice, as a user drives them headless.
#include "AppHarness.h"

#include "app/flows/CatalogLanguageSheet.h"
#include "catalog/CatalogDiff.h"
#include "catalog/CatalogDocument.h"

#include <QDialogButtonBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QString fixture = QStringLiteral(
    TARNWICK_TEST_DATA "/catalogs/sample-backyard-birds-multiplatform-localizable-9lang.xcstrings");

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CatalogLanguageSheet *visibleSheet(const QWidget &window)
{
    for (CatalogLanguageSheet *sheet : window.findChildren<CatalogLanguageSheet *>()) {
        if (sheet->isVisible())
            return sheet;
    }
    return nullptr;
}

/// Picks `language` in the sheet and clicks Open, as the user does.
bool pick(CatalogLanguageSheet &sheet, const QString &language)
{
    auto *list = sheet.findChild<QListWidget *>(u"catalogLanguages"_s);
    for (int row = 0; list && row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toString() != language)
            continue;
        list->setCurrentRow(row);
        auto *buttons = sheet.findChild<QDialogButtonBox *>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Open), Qt::LeftButton);
        return true;
    }
    return false;
}

QJsonObject localizationsOf(const QByteArray &bytes, const QString &key)
{
    return QJsonDocument::fromJson(bytes)
        .object()
        .value(u"strings"_s)
        .toObject()
        .value(key)
        .toObject()
        .value(u"localizations"_s)
        .toObject();
}

} // namespace

class TestCatalogWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AppHarness::initSettings(); }
    void openTranslateUndoSave();
    void dropOpensTheSheet();
};

void TestCatalogWindow::openTranslateUndoSave()
{
    AppHarness app;
    const QTemporaryDir dir;
    const QString path = copyFile(fixture, dir.filePath(u"Localizable.xcstrings"_s));
    const QByteArray original = bytesOf(path);
    QVERIFY(app.delegate.openFile(path));
    CatalogLanguageSheet *sheet = visibleSheet(app.window);
    QVERIFY(sheet);
    QVERIFY(sheet->isModal());
    // Every language with its progress; the source language says so.
    auto *list = sheet->findChild<QListWidget *>(u"catalogLanguages"_s);
    QCOMPARE(list->count(), 9);
    QVERIFY(list->item(1)->text().contains(u"(source)"_s));
    QVERIFY(list->item(0)->text().contains(u" of 51 translated"_s));
    QVERIFY(pick(*sheet, u"sv"_s));
    QTRY_VERIFY(!visibleSheet(app.window));

    QCOMPARE(app.delegate.catalogLanguage(), u"sv"_s);
    QCOMPARE(app.bank().rowCount(), 51);
    QVERIFY(app.window.windowTitle().contains(u"(sv)"_s));
    const int row = 0;
    const UnitRecord before = app.bank().rows()[row];
    QVERIFY(app.editTarget(row, u"Vögel"_s));
    QVERIFY(app.edited());
    app.delegate.undoStack().undo();
    QCOMPARE(app.bank().rows()[row].tget, before.tget);
    app.delegate.undoStack().redo();
    QCOMPARE(app.bank().rows()[row].tget, u"Vögel"_s);

    app.delegate.save();
    QTRY_VERIFY(!app.delegate.saveRunner().isRunning());
    QVERIFY(!app.edited());
    const QByteArray saved = bytesOf(path);
    const QJsonObject was = localizationsOf(original, *before.name);
    QJsonObject now = localizationsOf(saved, *before.name);
    QCOMPARE(now.take(u"sv"_s).toObject().value(u"stringUnit"_s).toObject().value(u"value"_s),
             QJsonValue(u"Vögel"_s));
    QJsonObject wasOthers = was;
    wasOthers.remove(u"sv"_s);
    QCOMPARE(now, wasOthers);
    // Nothing but Swedish changed, byte for byte.
    const CatalogDocument::Parsed a = CatalogDocument::parse(original);
    const CatalogDocument::Parsed b = CatalogDocument::parse(saved);
    QVERIFY(a.document && b.document);
    QVERIFY(CatalogDiff::compare(*a.document, original, *b.document, saved, u"sv"_s).onlyLanguage);
}

void TestCatalogWindow::dropOpensTheSheet()
{
    AppHarness app;
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(fixture)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&app.window, &drop);
    CatalogLanguageSheet *sheet = visibleSheet(app.window);
    QVERIFY(sheet);
    QVERIFY(pick(*sheet, u"ja"_s));
    QCOMPARE(app.document().documentPath, fixture);
    QCOMPARE(app.bank().rowCount(), 51);
    QVERIFY(!app.edited());
}

QTEST_MAIN(TestCatalogWindow)
#include "tst_catalogwindow.moc"
