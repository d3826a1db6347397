#include "cli/FlatJsonObject.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

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
        const QString problem = disagreement(line, *flat);
        if (!problem.isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1: %2").arg(QString::fromUtf8(line), problem)));
    }
    QVERIFY(taken > 1000);
}

QTEST_GUILESS_MAIN(TestFlatJsonObject)
#include "tst_flatjsonobject.moc"
