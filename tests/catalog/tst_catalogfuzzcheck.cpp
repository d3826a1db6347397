// The catalog fuzz target's check over its seeds, its regressions, the real catalogs and
// shapes made to trip the splice.
#include "CatalogFuzzCheck.h"
#include "CatalogTests.h"

using namespace Qt::StringLiterals;

class TestCatalogFuzzCheck : public QObject
{
    Q_OBJECT

private slots:
    void inputs_data();
    void inputs();
};

void TestCatalogFuzzCheck::inputs_data()
{
    QTest::addColumn<QByteArray>("data");
    const QStringList folders{QStringLiteral(TARNWICK_FUZZ_DIR "/seeds/catalog"),
                              QStringLiteral(TARNWICK_FUZZ_DIR "/regressions/catalog_fuzzer")};
    for (const QString &folder : folders) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << fileBytes(dir.filePath(name));
    }
    for (const QString &path : catalogFiles())
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << fileBytes(path);

    const auto row = [](const char *name, const QByteArray &strings) {
        QTest::newRow(name) << QByteArray(R"({"sourceLanguage":"en","strings":{)" + strings + "}}");
    };
    row("compact layout",
        R"("a":{"localizations":{"en":{"stringUnit":{"state":"new","value":"A"}}}})");
    row("every level twice",
        R"("a":{"localizations":{"en":{"stringUnit":{"value":"A","value":"B"}},"en":{}},)"
        R"("localizations":{}},"a":{})");
    row("places that are not objects",
        R"("a":{"localizations":{"en":{"variations":{"plural":[]}},"ru":"x"}},"b":{"localizations":[]},"c":3)");
    row("a unit without value or state", R"("a":{"localizations":{"en":{"stringUnit":{}}}})");
    row("device over plural",
        R"("a":{"localizations":{"en":{"variations":{"device":{"mac":{"variations":{"plural":{)"
        R"("one":{"stringUnit":{"state":"new","value":"1"}}}}}}}}}})");
    row("a key that looks like a variation",
        R"("a|==|plural.one":{},"a":{"localizations":{"en":{"variations":{"plural":{"one":{}}}}}})");
    row("substitution only in the target",
        R"("a":{"localizations":{"ru":{"substitutions":{"n":{"argNum":1,"variations":{"plural":{}}}}}}})");
    row("string set", R"("a":{"localizations":{"en":{"stringSet":{"values":["x","y"]}}}})");
    row("empty key and escapes", R"("":{},"\u0000\"":{"comment":"\ud800"})");
}

void TestCatalogFuzzCheck::inputs()
{
    QFETCH(QByteArray, data);
    const QString problem = CatalogFuzzCheck::check(data);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_GUILESS_MAIN(TestCatalogFuzzCheck)
#include "tst_catalogfuzzcheck.moc"
