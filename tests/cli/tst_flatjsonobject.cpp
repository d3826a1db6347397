#include "cli/FlatJsonObject.h"
#include "files/StrictJson.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView keys[] = {QLatin1StringView("port"), QLatin1StringView("tget"),
                                      QLatin1StringView("name"), QLatin1StringView("é")};

/// Empty when the quick reading agrees with Qt's full parser, else how it differs.
QString disagreement(const QByteArray &line, const FlatJsonObject &flat)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (!document.isObject())
        return QStringLiteral("the full parser refuses it: ") + error.errorString();
    const QJsonObject object = document.object();
    for (qsizetype i = 0; i < qsizetype(std::size(keys)); ++i) {
        const QJsonValue full = object.value(keys[i]);
        const FlatJsonObject::Value *value = flat.value(i);
        if (!value        ? !full.isUndefined()
            : value->text ? full.toString() != *value->text || !full.isString()
                          : !full.isDouble() || full.toDouble() != value->number)
            return QStringLiteral("member \"%1\" differs").arg(keys[i]);
    }
    return {};
}

} // namespace

class TestFlatJsonObject : public QObject
{
    Q_OBJECT

private slots:
    void readsLikeTheFullParser_data();
    void readsLikeTheFullParser();
    void randomLines();
    void strictGrammar_data();
    void strictGrammar();
};

void TestFlatJsonObject::readsLikeTheFullParser_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("quick");
    QTest::newRow("port and target") << QByteArray(R"({"port": 0, "tget": "訳 0 & <x>"})") << true;
    QTest::newRow("name and from")
        << QByteArray(R"( {"from":"a/b.xib","name":"x.title","tget":""} )") << true;
    QTest::newRow("escapes") << QByteArray(R"({"tget": "a\"b\\c\/d\n\t\r\b\f\u00e9\u0000\u20AC"})")
                             << true;
    QTest::newRow("empty object") << QByteArray("{}\r") << true;
    QTest::newRow("unknown keys") << QByteArray(R"({"tget": "x", "srcs": "y", "n": 12})") << true;
    QTest::newRow("nested") << QByteArray(R"({"tget": "x", "more": {"a": 1}})") << false;
    QTest::newRow("array") << QByteArray(R"({"tget": ["x"]})") << false;
    QTest::newRow("true") << QByteArray(R"({"tget": true})") << false;
    QTest::newRow("null") << QByteArray(R"({"port": null, "tget": "x"})") << false;
    QTest::newRow("fraction") << QByteArray(R"({"port": 1.5, "tget": "x"})") << false;
    QTest::newRow("negative") << QByteArray(R"({"port": -1, "tget": "x"})") << false;
    QTest::newRow("exponent") << QByteArray(R"({"port": 1e3, "tget": "x"})") << false;
    QTest::newRow("leading zero") << QByteArray(R"({"port": 01, "tget": "x"})") << false;
    QTest::newRow("beyond a double") << QByteArray(R"({"port": 9007199254740993})") << false;
    QTest::newRow("repeated key") << QByteArray(R"({"tget": "a", "tget": "b"})") << false;
    QTest::newRow("repeated other key") << QByteArray(R"({"x": "a", "x": 2, "tget": "b"})") << true;
    QTest::newRow("escaped key") << QByteArray(R"({"t\u0067et": "a", "\u00e9": 1})") << true;
    QTest::newRow("key beyond ASCII") << QByteArray("{\"\xC3\xA9\": \"x\"}") << true;
    QTest::newRow("escaped surrogate") << QByteArray(R"({"tget": "\ud83d\ude00"})") << false;
    QTest::newRow("escaped noncharacter") << QByteArray(R"({"tget": "\uffff"})") << false;
    QTest::newRow("bad escape") << QByteArray(R"({"tget": "\x"})") << false;
    QTest::newRow("short escape") << QByteArray(R"({"tget": "\u12"})") << false;
    QTest::newRow("signed escape") << QByteArray(R"({"tget": "\u+123"})") << false;
    QTest::newRow("control character") << QByteArray("{\"tget\": \"a\tb\"}") << false;
    QTest::newRow("four-byte character") << QByteArray("{\"tget\": \"\xF0\x9F\x98\x80\"}") << false;
    QTest::newRow("invalid UTF-8") << QByteArray("{\"tget\": \"\xC3\x28\"}") << false;
    QTest::newRow("encoded surrogate") << QByteArray("{\"tget\": \"\xED\xA0\x80\"}") << false;
    QTest::newRow("byte-order mark") << QByteArray("{\"tget\": \"\xEF\xBB\xBF\"}") << false;
    QTest::newRow("garbage after") << QByteArray(R"({"tget": "x"} x)") << false;
    QTest::newRow("missing comma") << QByteArray(R"({"tget": "x" "port": 1})") << false;
    QTest::newRow("trailing comma") << QByteArray(R"({"tget": "x",})") << false;
    QTest::newRow("unterminated") << QByteArray(R"({"tget": "x)") << false;
    QTest::newRow("not an object") << QByteArray(R"("tget")") << false;
}

void TestFlatJsonObject::readsLikeTheFullParser()
{
    // What the quick reader takes, it reads as Qt's parser does; the common shapes are
    // taken, the rest left to the full parser.
    QFETCH(QByteArray, line);
    QFETCH(bool, quick);
    const std::optional<FlatJsonObject> flat = FlatJsonObject::parse(line, keys);
    QCOMPARE(flat.has_value(), quick);
    if (flat)
        QCOMPARE(disagreement(line, *flat), QString());
}

void TestFlatJsonObject::randomLines()
{
    // Lines put together from JSON's pieces, right and wrong: whatever the quick reader
    // takes, the full parser takes alike.
    const QList<QByteArray> pieces = {"\"\xC3\xA9\"",
                                      "\"name\"",
                                      "{",
                                      "}",
                                      "\"",
                                      ":",
                                      ",",
                                      " ",
                                      "\"tget\"",
                                      "\"port\"",
                                      "\"name\"",
                                      "0",
                                      "7",
                                      "12",
                                      "-",
                                      ".",
                                      "e",
                                      "\\",
                                      "\\u",
                                      "00e9",
                                      "d800",
                                      "n",
                                      "\"x\"",
                                      "é",
                                      "\xF0\x9F\x98\x80",
                                      "\xC3",
                                      "[",
                                      "]",
                                      "true",
                                      "null",
                                      "\t",
                                      "\r",
                                      "/",
                                      "\xEF\xBB\xBF"};
    QRandomGenerator random(20261207);
    qsizetype taken = 0;
    for (int i = 0; i < 200000; ++i) {
        QByteArray line = i % 2 ? QByteArray(R"({"port": 3, "tget": "a\"b"})") : QByteArray();
        const int count = int(random.bounded(1, 12));
        for (int k = 0; k < count; ++k) {
            const QByteArray &piece = pieces[random.bounded(pieces.size())];
            line.insert(random.bounded(line.size() + 1), piece);
        }
        const std::optional<FlatJsonObject> flat = FlatJsonObject::parse(line, keys);
        if (!flat)
            continue;
        ++taken;
        if (const auto fault = StrictJson::fault(line))
            QFAIL(qPrintable(QString::fromUtf8(line) +
                             u": the quick reader takes what is not JSON"_s));
        const QString problem = disagreement(line, *flat);
        if (!problem.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1: %2").arg(QString::fromUtf8(line), problem)));
    }
    QVERIFY(taken > 1000);
}

void TestFlatJsonObject::strictGrammar_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qsizetype>("faultAt"); ///< -1: valid JSON
    const std::pair<const char *, QByteArray> valid[] = {
        {"flat edit", R"({"port": 0, "tget": "a\"\\\/\b\f\n\r\t\u00e9"})"},
        {"nested", R"( {"a": [1, -0.5e+3, 2E-2, true, false, null, {}, []]} )"},
        {"white space", "\t{\r\n}\n"},
        {"beyond ASCII", "\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBF\""},
        {"escaped surrogates", R"("\ud83d\ude00\ud800")"},
        {"number alone", "0"},
    };
    for (const auto &[name, text] : valid)
        QTest::newRow(name) << text << qsizetype(-1);
    const std::tuple<const char *, QByteArray, qsizetype> invalid[] = {
        {"hex escape", R"({"tget": "\x41"})", 11},
        {"nul escape", R"({"tget": "\0"})", 11},
        {"escaped letter in a key", R"({"t\get": 1})", 4},
        {"short unicode escape", R"(["\u12"])", 6},
        {"raw tab", "[\"a\tb\"]", 3},
        {"raw carriage return", "[\"a\rb\"]", 3},
        {"raw nul", QByteArray("[\"a\0b\"]", 7), 3},
        {"overlong UTF-8", "[\"\xC0\xAF\"]", 2},
        {"encoded surrogate", "[\"\xED\xA0\x80\"]", 2},
        {"beyond U+10FFFF", "[\"\xF4\x90\x80\x80\"]", 2},
        {"cut UTF-8", "[\"\xE2\x82\"]", 2},
        {"byte-order mark outside", "\xEF\xBB\xBF{}", 0},
        {"leading zero", "[01]", 2},
        {"plus sign", "[+1]", 1},
        {"bare fraction", "[.5]", 1},
        {"fraction without digits", "[1.]", 3},
        {"exponent without digits", "[1e+]", 4},
        {"minus alone", "[-]", 2},
        {"single quotes", "['a']", 1},
        {"trailing comma", "[1,]", 3},
        {"trailing comma in an object", R"({"a": 1,})", 8},
        {"missing colon", R"({"a" 1})", 5},
        {"unquoted key", "{a: 1}", 1},
        {"misspelt word", "[tru]", 1},
        {"two values", "{} {}", 3},
        {"comment", "{} // x", 3},
        {"unterminated string", R"(["abc)", 5},
        {"empty", "", 0},
        {"too deep",
         QByteArray(StrictJson::maxDepth + 1, '[') + QByteArray(StrictJson::maxDepth + 1, ']'),
         StrictJson::maxDepth},
    };
    for (const auto &[name, text, at] : invalid)
        QTest::newRow(name) << text << at;
}

void TestFlatJsonObject::strictGrammar()
{
    // The grammar check refuses what the standard refuses, at the byte where it stops.
    QFETCH(QByteArray, text);
    QFETCH(qsizetype, faultAt);
    const std::optional<StrictJson::Fault> fault = StrictJson::fault(text);
    QCOMPARE(fault ? fault->offset : -1, faultAt);
    if (fault)
        QVERIFY(!fault->reason.isEmpty());
}

QTEST_GUILESS_MAIN(TestFlatJsonObject)
#include "tst_flatjsonobject.moc"
