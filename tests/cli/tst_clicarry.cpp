// tarnwick-cli carry end to end, through the real executable.
#include "CliRun.h"
#include "document/ExportText.h"
#include "hardening/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// An export into `language` of "Open" and "Close" of MainMenu.xib and "Save" of
/// Localizable.strings, each given `targets[i]` as its target element ("-" for none).
QByteArray exportOf(const QString &language, const QStringList &targets,
                    const QString &closeId = u"close"_s)
{
    return exportText(
        {u"MainMenu.xib#open|Open|%1#%2|Close|%3"_s.arg(targets[0], closeId, targets[1]),
         u"Localizable.strings#save|Save|"_s + targets[2]},
        language);
}

} // namespace

class TestCliCarry : public QObject
{
    Q_OBJECT

private slots:
    void carry_data();
    void carry();
    void filledUnitsAsJson();
};

void TestCliCarry::carry_data()
{
    QTest::addColumn<QStringList>("options"); ///< after EARLIER PATH; OUT stands for the output
    QTest::addColumn<QByteArray>("earlier");  ///< written as a .xliff, or "packages"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("written"); ///< what OUT holds afterwards
    QTest::addColumn<QByteArray>("document"); ///< PATH's text, when not the usual document

    // "Close" had another id before: its target is a suggestion to review.
    const QByteArray earlier = exportOf(
        u"ja"_s,
        {u"<target>開く</target>"_s, u"<target>閉じる</target>"_s, u"<target>保存</target>"_s},
        u"close-old"_s);
    const QString out = u"OUT"_s;
    QTest::newRow("counts") << QStringList{u"-o"_s, out} << earlier << 0
                            << u"1 exact, 1 to review, 0 not found"_s
                            << QStringList{u"<target>開く</target>"_s,
                                           u"<target state=\"needs-review-l10n\">閉じる</target>"_s,
                                           u"<target>セーブ</target>"_s}
                            << QByteArray();
    QTest::newRow("overwrite") << QStringList{u"--overwrite"_s, u"-o"_s, out} << earlier << 0
                               << u"2 exact, 1 to review, 0 not found"_s
                               << QStringList{u"<target>保存</target>"_s} << QByteArray();
    QTest::newRow("exact only") << QStringList{u"--exact-only"_s, u"-o"_s, out} << earlier << 0
                                << u"1 exact, 0 to review, 1 not found"_s
                                << QStringList{u"<target>開く</target>"_s, u"<target/>"_s}
                                << QByteArray();
    QTest::newRow("json to standard output with the file")
        << QStringList{u"--json"_s, u"-o"_s, u"-"_s} << earlier << 2 << u"--json"_s << QStringList{}
        << QByteArray();
    QTest::newRow("a malformed file in a folder")
        << QStringList{u"-o"_s, out} << QByteArray("malformed") << 1 << u"malformed"_s
        << QStringList{} << QByteArray();
    QTest::newRow("a folder of packages")
        << QStringList{u"-o"_s, out} << QByteArray("packages") << 0
        << u"1 exact, 0 to review, 1 not found"_s << QStringList{u"<target>開く</target>"_s}
        << QByteArray();
    QTest::newRow("another language")
        << QStringList{u"-o"_s, out}
        << exportOf(u"de"_s, {u"<target>Öffnen</target>"_s, u"-"_s, u"-"_s}) << 1 << u"\"de\""_s
        << QStringList{} << QByteArray();
    // A unit inside another reads, but no splice can tell where its target belongs.
    QTest::newRow("a target that cannot land")
        << QStringList{u"-o"_s, out}
        << QByteArray("<xliff version=\"1.2\"><file original=\"f\" target-language=\"ja\">"
                      "<body>\n<trans-unit id=\"b\"><source>B</source><target>乙</target>"
                      "</trans-unit>\n</body></file></xliff>\n")
        << 3 << u"1 exact, 0 to review, 1 not found\nOUT: 1 target could not be placed"_s
        << QStringList{}
        << QByteArray("<xliff version=\"1.2\"><file original=\"f\"><body>\n"
                      "<trans-unit id=\"a\"><source>A</source>\n<trans-unit id=\"b\">"
                      "<source>B</source></trans-unit></trans-unit>\n</body></file></xliff>\n");
    QTest::newRow("no PATH") << QStringList{u"NOPATH"_s} << earlier << 2 << u"carry takes"_s
                             << QStringList{} << QByteArray();
}

void TestCliCarry::carry()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, earlier);
    const QTemporaryDir dir;
    // The usual document: "Save" already translated, "Close" with an empty target.
    QFETCH(QByteArray, document);
    if (document.isEmpty())
        document = exportOf(u"ja"_s, {u"-"_s, u"<target/>"_s, u"<target>セーブ</target>"_s});
    const QString path = dir.filePath(u"ja.xliff"_s);
    QVERIFY(TestFiles::write(path, document));
    QString earlierPath = dir.filePath(u"earlier.xliff"_s);
    if (earlier == "packages") {
        // What Xcode's Export Localizations writes: one package per language.
        earlierPath = dir.filePath(u"Export"_s);
        for (const QString &language : {u"de"_s, u"ja"_s}) {
            const QString package = u"%1/%2.xcloc/Localized Contents"_s.arg(earlierPath, language);
            QVERIFY(QDir().mkpath(package));
            QVERIFY(TestFiles::write(package + u'/' + language + u".xliff"_s,
                                     exportOf(language, {u"<target>開く</target>"_s, u"-"_s,
                                                         u"<target>保存</target>"_s})));
        }
    } else if (earlier == "malformed") {
        // The Japanese package is cut short; a German one reads well.
        earlierPath = dir.filePath(u"Export"_s);
        for (const QString &language : {u"de"_s, u"ja"_s}) {
            const QString package = u"%1/%2.xcloc/Localized Contents"_s.arg(earlierPath, language);
            QVERIFY(QDir().mkpath(package));
            QByteArray bytes = exportOf(language, {u"<target>開く</target>"_s, u"-"_s, u"-"_s});
            if (language == u"ja")
                bytes.chop(30);
            QVERIFY(TestFiles::write(package + u'/' + language + u".xliff"_s, bytes));
        }
    } else {
        QVERIFY(TestFiles::write(earlierPath, earlier));
    }
    const QString out = dir.filePath(u"out.xliff"_s);
    QStringList arguments{u"carry"_s, earlierPath, path};
    for (const QString &option : options) {
        if (option == u"NOPATH")
            arguments.removeLast();
        else
            arguments.append(option == u"OUT" ? out : option);
    }

    const CliRun run = runCli(arguments);
    QTEST(run.exitCode, "exitCode");
    QFETCH(QString, message);
    QVERIFY2(run.err.contains(message.replace(u"OUT"_s, out)), qPrintable(run.err));
    QCOMPARE(TestFiles::read(path), document);
    QFETCH(QStringList, written);
    const QString result = QString::fromUtf8(TestFiles::read(out));
    for (const QString &target : written)
        QVERIFY2(result.contains(target), qPrintable(result));
}

void TestCliCarry::filledUnitsAsJson()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"ja.xliff"_s);
    QVERIFY(TestFiles::write(path, exportOf(u"ja"_s, {u"-"_s, u"-"_s, u"-"_s})));
    const QString earlier = dir.filePath(u"earlier.xliff"_s);
    QVERIFY(TestFiles::write(
        earlier,
        exportOf(u"ja"_s, {u"<target>開く</target>"_s, u"<target>閉じる</target>"_s, u"-"_s},
                 u"close-old"_s)));
    const CliRun run = runCli({u"carry"_s, u"--json"_s, earlier, path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("{\"from\":\"MainMenu.xib\",\"kind\":\"exact\",\"name\":\"open\","
                                 "\"port\":0}\n"
                                 "{\"from\":\"MainMenu.xib\",\"kind\":\"suggestion\",\"name\":"
                                 "\"close\",\"port\":1}\n"));
}

QTEST_GUILESS_MAIN(TestCliCarry)
#include "tst_clicarry.moc"
