// The version and names a release carries: what both programs print and the macOS bundle's
// Info.plist, which Finder, the Dock and the update check read.
#include "ProgramRun.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QVariantMap>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

/// The property-list value whose start element the reader is on: a dict as a map, an array
/// as a list, true and false as booleans, anything else as its text.
QVariant readValue(QXmlStreamReader &xml)
{
    const QStringView element = xml.name();
    if (element == u"dict") {
        QVariantMap dict;
        while (xml.readNextStartElement()) {
            if (xml.name() != u"key") {
                xml.raiseError(u"a dict entry without its key"_s);
                break;
            }
            const QString key = xml.readElementText();
            if (!xml.readNextStartElement()) {
                xml.raiseError(u"the key %1 without a value"_s.arg(key));
                break;
            }
            dict.insert(key, readValue(xml));
        }
        return dict;
    }
    if (element == u"array") {
        QVariantList array;
        while (xml.readNextStartElement())
            array.append(readValue(xml));
        return array;
    }
    if (element == u"true" || element == u"false") {
        const bool value = element == u"true";
        xml.skipCurrentElement();
        return value;
    }
    return xml.readElementText();
}

/// Every string of the list, at any depth, so none can be checked to be filled in.
void collectStrings(const QVariant &value, QStringList &strings)
{
    if (value.typeId() == QMetaType::QVariantMap) {
        for (const QVariant &item : value.toMap())
            collectStrings(item, strings);
    } else if (value.typeId() == QMetaType::QVariantList) {
        for (const QVariant &item : value.toList())
            collectStrings(item, strings);
    } else if (value.typeId() == QMetaType::QString) {
        strings.append(value.toString());
    }
}

} // namespace

class TestRelease : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void versionOption_data();
    void versionOption();
    void infoPlistKeys_data();
    void infoPlistKeys();
    void documentTypes_data();
    void documentTypes();
    void icon();

private:
    QVariantMap m_plist;
};

void TestRelease::initTestCase()
{
    QFile file(QStringLiteral(TARNWICK_INFO_PLIST));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), u"plist");
    QCOMPARE(xml.attributes().value(u"version"_s), u"1.0");
    QVERIFY(xml.readNextStartElement());
    m_plist = readValue(xml).toMap();
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(),
             qPrintable(u"line %1: %2"_s.arg(xml.lineNumber()).arg(xml.errorString())));

    // A misspelt placeholder is filled with nothing, so an empty string is a fault.
    QStringList strings;
    collectStrings(m_plist, strings);
    QVERIFY(!strings.isEmpty());
    QVERIFY(!strings.contains(QString()));
}

void TestRelease::versionOption_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tarnwick") << QStringLiteral(TARNWICK_APP) << u"Tarnwick"_s;
    QTest::newRow("tarnwick-cli") << QStringLiteral(TARNWICK_CLI) << u"tarnwick-cli"_s;
}

void TestRelease::versionOption()
{
    QFETCH(QString, program);
    QFETCH(QString, expected);
    const ProgramRun run = runProgram(program, {u"--version"_s});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out).trimmed(),
             expected + u' ' + QStringLiteral(TARNWICK_VERSION));
}

void TestRelease::infoPlistKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("pattern");
    const QString version = QRegularExpression::escape(QStringLiteral(TARNWICK_VERSION));
    QTest::newRow("name") << u"CFBundleName"_s << u"Tarnwick"_s;
    QTest::newRow("short version") << u"CFBundleShortVersionString"_s << version;
    QTest::newRow("version") << u"CFBundleVersion"_s << version;
    QTest::newRow("identifier") << u"CFBundleIdentifier"_s << u"[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+"_s;
    QTest::newRow("application") << u"CFBundlePackageType"_s << u"APPL"_s;
    QTest::newRow("minimum macOS")
        << u"LSMinimumSystemVersion"_s
        << QRegularExpression::escape(QStringLiteral(TARNWICK_MACOS_MINIMUM));
}

void TestRelease::infoPlistKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, pattern);
    const QString value = m_plist.value(key).toString();
    QVERIFY2(
        QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(value).hasMatch(),
        qPrintable(u"%1 is \"%2\""_s.arg(key, value)));
}

void TestRelease::documentTypes_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("folder");
    QTest::newRow("xliff file") << u"xliff"_s << false;
    QTest::newRow("xcloc package") << u"xcloc"_s << true;
    QTest::newRow("String Catalog") << u"xcstrings"_s << false;
}

void TestRelease::documentTypes()
{
    QFETCH(QString, extension);
    QFETCH(bool, folder);
    QVariantMap type;
    for (const QVariant &entry : m_plist.value(u"CFBundleDocumentTypes"_s).toList()) {
        if (entry.toMap().value(u"CFBundleTypeExtensions"_s).toStringList().contains(extension))
            type = entry.toMap();
    }
    QVERIFY2(!type.isEmpty(), qPrintable(extension));
    QCOMPARE(type.value(u"CFBundleTypeRole"_s).toString(), u"Editor"_s);
    QCOMPARE(type.value(u"LSTypeIsPackage"_s).toBool(), folder);
    QCOMPARE(type.value(u"CFBundleTypeOSTypes"_s).toStringList().contains(u"fold"_s), folder);
}

void TestRelease::icon()
{
    const QString icon = m_plist.value(u"CFBundleIconFile"_s).toString();
    QVERIFY2(QFile::exists(QStringLiteral(TARNWICK_APP_DATA) + u'/' + icon), qPrintable(icon));
}

QTEST_GUILESS_MAIN(TestRelease)
#include "tst_release.moc"
