#include "views/FeedDownload.h"
#include "views/UpdateDecision.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class TestUpdateDecision : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
    void integerValue_data();
    void integerValue();
    void pull();
    void productPage_data();
    void productPage();
    void feedAddress();
    void allowedAddress_data();
    void allowedAddress();
};

static QByteArray entry(const char *name, const char *dots, const char *vers)
{
    return QByteArray(R"({"name":")") + name + R"(","dots":")" + dots + R"(","vers":")" + vers +
           R"("})";
}

void TestUpdateDecision::decision_data()
{
    QTest::addColumn<QByteArray>("feed");
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("os");
    QTest::addColumn<bool>("notify");

    const QByteArray newer = '[' + entry("Tarnwick", "10.15", "2.0") + ']';
    QTest::newRow("1.9 is older than 1.10")
        << '[' + entry("Tarnwick", "10.15", "1.10") + ']' << u"1.9"_s << 1402LL << true;
    QTest::newRow("1.10 is newer than 2.0")
        << '[' + entry("Tarnwick", "10.15", "2.0") + ']' << u"1.10"_s << 1402LL << false;
    QTest::newRow("equal versions")
        << '[' + entry("Tarnwick", "10.15", "1.2.3") + ']' << u"1.2.3"_s << 1402LL << false;
    QTest::newRow("older running version") << newer << u"1.0"_s << 1402LL << true;
    QTest::newRow("equal system number passes")
        << '[' + entry("Tarnwick", "14.2", "2.0") + ']' << u"1.0"_s << 1402LL << true;
    QTest::newRow("older system stops")
        << '[' + entry("Tarnwick", "14.3", "2.0") + ']' << u"1.0"_s << 1402LL << false;
    QTest::newRow("third part of dots ignored")
        << '[' + entry("Tarnwick", "14.2.9", "2.0") + ']' << u"1.0"_s << 1402LL << true;
    QTest::newRow("negative dots never passes")
        << '[' + entry("Tarnwick", "-1.0", "2.0") + ']' << u"1.0"_s << 1402LL << false;
    QTest::newRow("negative minor never passes")
        << '[' + entry("Tarnwick", "0.-1", "2.0") + ']' << u"1.0"_s << 1402LL << false;
    QTest::newRow("only the first entry counts")
        << '[' + entry("Tarnwick", "99.0", "2.0") + ',' + entry("Tarnwick", "0.0", "2.0") + ']'
        << u"1.0"_s << 1402LL << false;
    QTest::newRow("first entry wins over a later one")
        << '[' + entry("Tarnwick", "0.0", "2.0") + ',' + entry("Tarnwick", "99.0", "1.0") + ']'
        << u"1.0"_s << 1402LL << true;
    QTest::newRow("other applications are passed over")
        << '[' + entry("Word Mill's", "0.0", "9.0") + ',' + entry("Tarnwick", "0.0", "2.0") + ']'
        << u"1.0"_s << 1402LL << true;
    QTest::newRow("name differing in case does not match")
        << '[' + entry("tarnwick", "0.0", "2.0") + ']' << u"1.0"_s << 1402LL << false;
    QTest::newRow("no entry for this application")
        << '[' + entry("Other", "0.0", "2.0") + ']' << u"1.0"_s << 1402LL << false;
    QTest::newRow("missing dots passes any system")
        << QByteArray(R"([{"name":"Tarnwick","vers":"2.0"}])") << u"1.0"_s << 0LL << true;
    QTest::newRow("missing vers reads as 0")
        << QByteArray(R"([{"name":"Tarnwick","dots":"1.0"}])") << u"1.0"_s << 1402LL << false;
    QTest::newRow("vers with blanks and sign")
        << '[' + entry("Tarnwick", "1.0", " +2.0") + ']' << u"1.0"_s << 1402LL << true;
    QTest::newRow("vers with trailing letters")
        << '[' + entry("Tarnwick", "1.0", "2.0beta") + ']' << u"1.0"_s << 1402LL << true;
    QTest::newRow("vers without a number")
        << '[' + entry("Tarnwick", "1.0", "beta") + ']' << u"1.0"_s << 1402LL << false;
    QTest::newRow("vers too long saturates")
        << '[' + entry("Tarnwick", "1.0", "99999999999999999999999") + ']' << u"1.0"_s << 1402LL
        << true;

    // Shapes the feed should never have: nothing is shown and nothing crashes.
    QTest::newRow("empty") << QByteArray() << u"1.0"_s << 1402LL << false;
    QTest::newRow("not JSON") << QByteArray("<html>") << u"1.0"_s << 1402LL << false;
    QTest::newRow("truncated") << QByteArray(R"([{"name":"Tarnwick")") << u"1.0"_s << 1402LL
                               << false;
    QTest::newRow("object at top level")
        << QByteArray(R"({"name":"Tarnwick","vers":"2.0"})") << u"1.0"_s << 1402LL << false;
    QTest::newRow("string at top level")
        << QByteArray(R"("Tarnwick")") << u"1.0"_s << 1402LL << false;
    QTest::newRow("number at top level") << QByteArray("2") << u"1.0"_s << 1402LL << false;
    QTest::newRow("array of numbers") << QByteArray("[1,2]") << u"1.0"_s << 1402LL << false;
    QTest::newRow("array of strings")
        << QByteArray(R"(["Tarnwick"])") << u"1.0"_s << 1402LL << false;
    QTest::newRow("null before the entry")
        << QByteArray("[null,") + entry("Tarnwick", "0.0", "2.0") + ']' << u"1.0"_s << 1402LL
        << false;
    QTest::newRow("nested array") << QByteArray("[[") + entry("Tarnwick", "0.0", "2.0") + "]]"
                                  << u"1.0"_s << 1402LL << false;
    QTest::newRow("name is a number")
        << QByteArray(R"([{"name":5},)") + entry("Tarnwick", "0.0", "2.0") + ']' << u"1.0"_s
        << 1402LL << false;
    QTest::newRow("dots is a number")
        << QByteArray(R"([{"name":"Tarnwick","dots":10.15,"vers":"2.0"}])") << u"1.0"_s << 1402LL
        << false;
    QTest::newRow("vers is a number")
        << QByteArray(R"([{"name":"Tarnwick","dots":"1.0","vers":2}])") << u"1.0"_s << 1402LL
        << false;
    QTest::newRow("vers is null") << QByteArray(R"([{"name":"Tarnwick","dots":"1.0","vers":null}])")
                                  << u"1.0"_s << 1402LL << false;
    QTest::newRow("dots with one part")
        << '[' + entry("Tarnwick", "14", "2.0") + ']' << u"1.0"_s << 1402LL << false;
    QTest::newRow("dots overflowing")
        << '[' + entry("Tarnwick", "99999999999999999999.0", "2.0") + ']' << u"1.0"_s << 1402LL
        << false;
}

void TestUpdateDecision::decision()
{
    QFETCH(QByteArray, feed);
    QFETCH(QString, version);
    QFETCH(qint64, os);
    QFETCH(bool, notify);

    const UpdateDecision::Running running{u"Tarnwick"_s, version, os};
    QCOMPARE(UpdateDecision::shouldNotify(feed, running), notify);
}

void TestUpdateDecision::integerValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");

    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    QTest::newRow("null") << QString() << 0LL;
    QTest::newRow("empty") << u""_s << 0LL;
    QTest::newRow("plain") << u"123"_s << 123LL;
    QTest::newRow("blanks first") << u" \t 42"_s << 42LL;
    QTest::newRow("trailing text") << u"42abc"_s << 42LL;
    QTest::newRow("stops at a blank") << u"12 34"_s << 12LL;
    QTest::newRow("minus") << u"-7"_s << -7LL;
    QTest::newRow("plus") << u"+5"_s << 5LL;
    QTest::newRow("sign alone") << u"-"_s << 0LL;
    QTest::newRow("letters") << u"abc"_s << 0LL;
    QTest::newRow("full-width digits are no number") << u"１２"_s << 0LL;
    QTest::newRow("largest") << u"9223372036854775807"_s << max;
    QTest::newRow("too large") << u"99999999999999999999"_s << max;
    QTest::newRow("smallest") << u"-9223372036854775808"_s << min;
    QTest::newRow("too small") << u"-99999999999999999999"_s << min;
}

void TestUpdateDecision::integerValue()
{
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(UpdateDecision::integerValue(text), value);
}

void TestUpdateDecision::pull()
{
    QCOMPARE(UpdateDecision::pull(u"."_s, u"1.2.3"_s), u"123"_s);
    QCOMPARE(UpdateDecision::pull(u"ab"_s, u"xabyabz"_s), u"xyz"_s);
    QVERIFY(UpdateDecision::pull(u"."_s, QString()).isNull());
    QCOMPARE(UpdateDecision::versionNumber(u"1.10"_s), 110LL);
    QCOMPARE(UpdateDecision::versionNumber(u"2.0"_s), 20LL);
    QCOMPARE(UpdateDecision::osNumber(10, 15), 1015LL);
    QCOMPARE(UpdateDecision::osNumber(14, 2), 1402LL);
}

void TestUpdateDecision::productPage_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");

    QTest::newRow("two words and an apostrophe")
        << u"https://tarnwick.example.org/"_s << u"Word Mill's"_s
        << u"https://tarnwick.example.org/wordmills.html"_s;
    QTest::newRow("this application") << u"https://tarnwick.example.org/"_s << u"Tarnwick"_s
                                      << u"https://tarnwick.example.org/tarnwick.html"_s;
    QTest::newRow("site below a folder") << u"http://127.0.0.1:8080/apps/"_s << u"A B C"_s
                                         << u"http://127.0.0.1:8080/apps/abc.html"_s;
    QTest::newRow("a hash stays in the path") << u"https://tarnwick.example.org/"_s << u"C#"_s
                                              << u"https://tarnwick.example.org/c%23.html"_s;
}

void TestUpdateDecision::productPage()
{
    QFETCH(QString, base);
    QFETCH(QString, name);
    QFETCH(QString, page);
    QCOMPARE(UpdateDecision::productPage(base, name).toString(QUrl::FullyEncoded), page);
}

void TestUpdateDecision::feedAddress()
{
    QCOMPARE(UpdateDecision::feedAddress(u"https://tarnwick.example.org/"_s),
             QUrl(u"https://tarnwick.example.org/xapp.json"_s));
}

void TestUpdateDecision::allowedAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("allowed");

    QTest::newRow("https") << u"https://tarnwick.example.org/xapp.json"_s << true;
    QTest::newRow("http to 127.0.0.1") << u"http://127.0.0.1:8080/xapp.json"_s << true;
    QTest::newRow("http to 127.x") << u"http://127.4.5.6/xapp.json"_s << true;
    QTest::newRow("http to ::1") << u"http://[::1]:8080/xapp.json"_s << true;
    QTest::newRow("http to localhost") << u"http://localhost/xapp.json"_s << true;
    QTest::newRow("http elsewhere") << u"http://tarnwick.example.org/xapp.json"_s << false;
    QTest::newRow("http to a private address") << u"http://10.0.0.1/xapp.json"_s << false;
    QTest::newRow("ftp") << u"ftp://127.0.0.1/xapp.json"_s << false;
    QTest::newRow("file") << u"file:///etc/passwd"_s << false;
    QTest::newRow("empty") << u""_s << false;
}

void TestUpdateDecision::allowedAddress()
{
    QFETCH(QString, address);
    QFETCH(bool, allowed);
    QCOMPARE(FeedDownload::isAllowed(QUrl(address)), allowed);
}

QTEST_GUILESS_MAIN(TestUpdateDecision)
#include "tst_updatedecision.moc"
