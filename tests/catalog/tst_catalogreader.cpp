#include "CatalogTests.h"

#include "catalog/CatalogDocument.h"
#include "catalog/CatalogState.h"
#include "catalog/JsonScanner.h"
#include "catalog/XcodeJsonWriter.h"

#include <QJsonArray>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

using Optional = std::optional<QString>;

/// Every stringUnit and stringSet below a localization, as the oracle sees them.
int leavesBelow(const QJsonObject &node)
{
    int count = node.contains(u"stringUnit"_s) || node.contains(u"stringSet"_s) ? 1 : 0;
    for (const QString &holder : {u"variations"_s, u"substitutions"_s}) {
        const QJsonObject inner = node.value(holder).toObject();
        for (const QJsonValue &kind : inner) {
            const QJsonObject kindObject = kind.toObject();
            if (holder == u"substitutions"_s) {
                count += leavesBelow(kindObject);
                continue;
            }
            for (const QJsonValue &leaf : kindObject)
                count += leavesBelow(leaf.toObject());
        }
    }
    return count;
}

Optional oracleTarget(const QJsonObject &holder)
{
    if (holder.contains(u"stringUnit"_s)) {
        const QJsonValue value = holder.value(u"stringUnit"_s).toObject().value(u"value"_s);
        return value.isString() ? Optional(value.toString()) : std::nullopt;
    }
    if (!holder.contains(u"stringSet"_s))
        return std::nullopt;
    QStringList values;
    for (const QJsonValue &each :
         holder.value(u"stringSet"_s).toObject().value(u"values"_s).toArray())
        values.append(each.toString());
    return values.join(u'\n');
}

Optional oracleState(const QJsonObject &holder)
{
    for (const QString &kind : {u"stringUnit"_s, u"stringSet"_s}) {
        const QJsonValue state = holder.value(kind).toObject().value(u"state"_s);
        if (state.isString())
            return CatalogState::toRecord(state.toString());
    }
    return std::nullopt;
}

QStringList ids(const CatalogRead &read)
{
    QStringList out;
    for (const UnitRecord &unit : read.result.units)
        out.append(*unit.name);
    return out;
}

} // namespace

class TestCatalogReader : public QObject
{
    Q_OBJECT

private slots:
    void realCatalogs_data();
    void realCatalogs();
    void xcodeLayout_data();
    void xcodeLayout();
    void scanner_data();
    void scanner();
    void duplicateKeys();
    void pluralsOffered_data();
    void pluralsOffered();
    void variationShapes();
};

void TestCatalogReader::realCatalogs_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("language");
    for (const QString &path : catalogFiles()) {
        for (const QString &language : twoLanguages(fileBytes(path))) {
            const QString name = QFileInfo(path).fileName() + u' ' + language;
            QTest::newRow(qPrintable(name)) << path << language;
        }
    }
}

// Every unit agrees with what Qt's parser finds at the place its id names, and no string of
// the language is left without a unit.
void TestCatalogReader::realCatalogs()
{
    QFETCH(QString, path);
    QFETCH(QString, language);
    const QByteArray bytes = fileBytes(path);
    const CatalogRead read = CatalogReader::read(bytes, language, u"Localizable.xcstrings"_s);
    QVERIFY2(read.result.complete, qPrintable(read.result.errorString));
    QVERIFY(read.warnings.isEmpty());
    const QJsonObject root = oracle(bytes);
    const QJsonObject strings = root.value(u"strings"_s).toObject();
    const QString sourceLanguage = root.value(u"sourceLanguage"_s).toString();
    QSet<QString> seen;
    int withTarget = 0;
    for (const UnitRecord &unit : read.result.units) {
        QVERIFY2(!seen.contains(*unit.name), qPrintable(*unit.name));
        seen.insert(*unit.name);
        const QJsonObject entry = strings.value(keyOfId(*unit.name)).toObject();
        QVERIFY2(strings.contains(keyOfId(*unit.name)), qPrintable(*unit.name));
        const QJsonObject locs = entry.value(u"localizations"_s).toObject();
        const QStringList place = pathOfId(*unit.name);
        const QJsonObject holder = descend(locs.value(language).toObject(), place);
        QCOMPARE(unit.tget, oracleTarget(holder));
        QCOMPARE(unit.state, oracleState(holder));
        withTarget += unit.tget.has_value();
        const QJsonObject sourceHolder = descend(locs.value(sourceLanguage).toObject(), place);
        if (const Optional source = oracleTarget(sourceHolder))
            QCOMPARE(unit.srcs, source);
        else if (!locs.contains(sourceLanguage))
            QCOMPARE(*unit.srcs, keyOfId(*unit.name));
        const QJsonValue comment = entry.value(u"comment"_s);
        QCOMPARE(unit.note, comment.isString() ? Optional(comment.toString()) : std::nullopt);
        QCOMPARE(unit.translatable, entry.value(u"shouldTranslate"_s) != QJsonValue(false));
        QCOMPARE(*unit.from, u"Localizable.xcstrings"_s);
    }
    int leaves = 0;
    for (const QJsonValue &entry : strings)
        leaves += leavesBelow(
            entry.toObject().value(u"localizations"_s).toObject().value(language).toObject());
    QCOMPARE(withTarget, leaves);
    QCOMPARE(read.result.files.size(), std::size_t(1));
    QCOMPARE(*read.result.files[0].targetLanguage, language);
}

void TestCatalogReader::xcodeLayout_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("xcodeWritten");
    // Written by other tools or edited by hand (see the catalogs' SOURCES.md).
    const QStringList others{u"emby-xcstrings"_s, u"gitok-bannerplugin"_s, u"swift-paperless-app"_s,
                             u"swift-paperless-screenshots"_s};
    for (const QString &path : catalogFiles()) {
        const QString name = QFileInfo(path).fileName();
        const bool other = std::any_of(others.begin(), others.end(),
                                       [&](const QString &o) { return name.startsWith(o); });
        QTest::newRow(qPrintable(name)) << path << !other;
    }
}

// The writer that lays out what a save creates regenerates Xcode's own files byte for byte.
void TestCatalogReader::xcodeLayout()
{
    QFETCH(QString, path);
    QFETCH(bool, xcodeWritten);
    const QByteArray bytes = fileBytes(path);
    const JsonScanner::Result parsed = JsonScanner::parse(bytes);
    QVERIFY(parsed.root);
    QByteArray rewritten = XcodeJsonWriter().write(*parsed.root, 0);
    if (bytes.endsWith('\n'))
        rewritten += '\n';
    QCOMPARE(rewritten == bytes, xcodeWritten);
}

void TestCatalogReader::scanner_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("line"); ///< 0: parses
    QTest::addColumn<qint64>("column");
    QTest::addColumn<QString>("first"); ///< the first string value found, when it parses

    QTest::newRow("escapes") << QByteArray(R"({"a" : "\"\\\/\b\f\n\r\t\u00e9\ud83d\ude00"})") << 0LL
                             << 0LL << u"\"\\/\b\f\n\r\té😀"_s;
    QTest::newRow("raw non-ASCII and U+2028")
        << QByteArray("{\"a\":\"é\xE2\x80\xA8\"}") << 0LL << 0LL << u"é\u2028"_s;
    QTest::newRow("byte-order mark")
        << QByteArray("\xEF\xBB\xBF{\"a\":\"b\"}") << 0LL << 0LL << u"b"_s;
    QTest::newRow("numbers and literals")
        << QByteArray(R"({"n":[-0.5e+3,0,true,false,null],"a":"x"})") << 0LL << 0LL << u"x"_s;
    QTest::newRow("trailing comma") << QByteArray("{\n  \"a\" : 1,\n}") << 3LL << 1LL << QString();
    QTest::newRow("raw control") << QByteArray("{\"a\":\"x\ty\"}") << 1LL << 8LL << QString();
    QTest::newRow("unknown escape") << QByteArray(R"({"a":"\x"})") << 1LL << 8LL << QString();
    QTest::newRow("short \\u") << QByteArray(R"({"a":"\u12"})") << 1LL << 11LL << QString();
    QTest::newRow("unclosed string") << QByteArray("{\"a\":\"x") << 1LL << 8LL << QString();
    QTest::newRow("two roots") << QByteArray("{}{}") << 1LL << 3LL << QString();
    QTest::newRow("empty") << QByteArray() << 1LL << 1LL << QString();
    QTest::newRow("leading zero") << QByteArray(R"({"a":01})") << 1LL << 7LL << QString();
    QTest::newRow("invalid UTF-8") << QByteArray("{\"a\":\"\xC3\x28\"}") << 1LL << 1LL << QString();
    QTest::newRow("too deep") << QByteArray(100000, '[') << 1LL << 202LL << QString();
}

void TestCatalogReader::scanner()
{
    QFETCH(QByteArray, text);
    QFETCH(qint64, line);
    QFETCH(qint64, column);
    QFETCH(QString, first);
    const JsonScanner::Result result = JsonScanner::parse(text);
    if (line > 0) {
        QVERIFY(!result.root);
        QVERIFY(!result.errorString.isEmpty());
        QCOMPARE(result.line, line);
        QCOMPARE(result.column, column);
        return;
    }
    QVERIFY2(result.root, qPrintable(result.errorString));
    const JsonMember &last = result.root->members.back();
    QCOMPARE(last.value.text, first);
    // Every value's range holds exactly its bytes.
    QCOMPARE(text.mid(last.value.begin, last.value.end - last.value.begin).front(), '"');
    QCOMPARE(text.at(last.value.end - 1), '"');
}

// A key written twice is read from its first copy (in the real cases the one with the
// translation), named in a warning, and both copies stay.
void TestCatalogReader::duplicateKeys()
{
    const QByteArray bytes = catalog(R"(    "Done" : {
      "localizations" : {
        "de" : {
          "stringUnit" : {
            "state" : "translated",
            "value" : "Fertig"
          }
        }
      }
    },
    "Done" : {

    })");
    const CatalogRead read = CatalogReader::read(bytes, u"de"_s, u"L.xcstrings"_s);
    QVERIFY(read.result.complete);
    QCOMPARE(read.result.units.size(), std::size_t(1));
    QCOMPARE(*read.result.units[0].tget, u"Fertig"_s);
    QCOMPARE(read.warnings.size(), 1);
    QVERIFY(read.warnings[0].contains(u"strings › Done"_s));
    const CatalogDocument::Parsed parsed = CatalogDocument::parse(bytes);
    QCOMPARE(parsed.document->strings().members.size(), std::size_t(2));
}

void TestCatalogReader::pluralsOffered_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QStringList>("targets");

    QTest::newRow("ja needs other only")
        << u"ja"_s << QStringList{u"other"_s} << QStringList{u"%lld files"_s} << QStringList{u""_s};
    QTest::newRow("ru needs few and many, source falls back to other")
        << u"ru"_s << QStringList{u"one"_s, u"few"_s, u"many"_s, u"other"_s}
        << QStringList{u"%lld file"_s, u"%lld files"_s, u"%lld files"_s, u"%lld files"_s}
        << QStringList{u"%lld файл"_s, u""_s, u""_s, u""_s};
    QTest::newRow("ar has all six")
        << u"ar"_s << QStringList{u"zero"_s, u"one"_s, u"two"_s, u"few"_s, u"many"_s, u"other"_s}
        << QStringList{u"%lld files"_s, u"%lld file"_s,  u"%lld files"_s,
                       u"%lld files"_s, u"%lld files"_s, u"%lld files"_s}
        << QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u""_s};
    // A category the target holds is offered even where its language needs none.
    QTest::newRow("de keeps its zero")
        << u"de"_s << QStringList{u"zero"_s, u"one"_s, u"other"_s}
        << QStringList{u"%lld files"_s, u"%lld file"_s, u"%lld files"_s}
        << QStringList{u"Keine"_s, u""_s, u""_s};
}

void TestCatalogReader::pluralsOffered()
{
    QFETCH(QString, language);
    QFETCH(QStringList, categories);
    QFETCH(QStringList, sources);
    QFETCH(QStringList, targets);
    const QByteArray bytes = catalog(R"(    "%lld files" : {
      "localizations" : {
        "de" : {
          "variations" : {
            "plural" : {
              "zero" : { "stringUnit" : { "state" : "translated", "value" : "Keine" } }
            }
          }
        },
        "en" : {
          "variations" : {
            "plural" : {
              "one" : { "stringUnit" : { "state" : "translated", "value" : "%lld file" } },
              "other" : { "stringUnit" : { "state" : "translated", "value" : "%lld files" } }
            }
          }
        },
        "ru" : {
          "variations" : {
            "plural" : {
              "one" : { "stringUnit" : { "state" : "translated", "value" : "%lld файл" } }
            }
          }
        }
      }
    })");
    const CatalogRead read = CatalogReader::read(bytes, language, u"L.xcstrings"_s);
    QVERIFY(read.result.complete);
    QStringList expectedIds;
    for (const QString &category : categories)
        expectedIds.append(u"%lld files|==|plural."_s + category);
    QCOMPARE(ids(read), expectedIds);
    for (std::size_t i = 0; i < read.result.units.size(); ++i) {
        QCOMPARE(*read.result.units[i].srcs, sources[qsizetype(i)]);
        QCOMPARE(read.result.units[i].tget.value_or(QString()), targets[qsizetype(i)]);
    }
}

// Device, plural and substitution variations as Xcode's export names them.
void TestCatalogReader::variationShapes()
{
    const QByteArray bytes = fileBytes(QStringLiteral(
        TARNWICK_TEST_DATA "/catalogs/xcstrings-tool-fixture-localizable-1lang.xcstrings"));
    for (const QString &language : {u"en"_s, u"de"_s}) {
        const CatalogRead read = CatalogReader::read(bytes, language, u"L.xcstrings"_s);
        QVERIFY(read.result.complete);
        const QStringList found = ids(read);
        const QStringList expected{u"myDeviceVariant|==|device.ipad"_s,
                                   u"myDeviceVariant|==|device.mac"_s,
                                   u"myDeviceVariant|==|device.other"_s,
                                   u"myPlural|==|plural.one"_s,
                                   u"myPlural|==|plural.other"_s,
                                   u"mySubstitute"_s,
                                   u"mySubstitute|==|substitutions.count.plural.one"_s,
                                   u"mySubstitute|==|substitutions.count.plural.other"_s};
        QCOMPARE(found.mid(found.indexOf(expected.front()), expected.size()), expected);
        const UnitRecord &device = read.result.units[std::size_t(found.indexOf(expected[1]))];
        QCOMPARE(*device.srcs, u"macOS Original"_s);
        QCOMPARE(device.tget.has_value(), language == u"en"_s);
    }
}

QTEST_GUILESS_MAIN(TestCatalogReader)
#include "tst_catalogreader.moc"
