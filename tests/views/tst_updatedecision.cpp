#include "views/FeedDownload.h"
#include "views/UpdateDecision.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

QByteArray entry(const char *name, const char *dots, const char *vers)
{
    return QByteArray(R"({"name":")") + name + R"(","dots":")" + dots + R"(","vers":")" + vers +
           R"("})";
}

/// A feed whose only entry names this application.
QByteArray feed(const char *dots, const char *vers)
{
    return '[' + entry("Tarnwick", dots, vers) + ']';
}

/// A row for a running 1.0 (unless given) on system 14.2.
void row(const char *name, const QByteArray &feed, bool notify, const QString &version = u"1.0"_s)
{
    QTest::newRow(name) << feed << version << 1402LL << notify;
}

} // namespace

class TestUpdateDecision : public QObject
{
    Q_OBJECT

private slots:
    void decision_data();
    void decision();
    void integerValue_data();
    void integerValue();
    void productPage_data();
    void productPage();
    void allowedAddress_data();
    void allowedAddress();
};

void TestUpdateDecision::decision_data()
{
    QTest::addColumn<QByteArray>("feed");
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("os");
    QTest::addColumn<bool>("notify");

    // Versions compare as numbers once their dots are removed.
    row("1.9 is older than 1.10", feed("10.15", "1.10"), true, u"1.9"_s);
    row("1.10 is newer than 2.0", feed("10.15", "2.0"), false, u"1.10"_s);
    row("equal versions", feed("10.15", "1.2.3"), false, u"1.2.3"_s);
    row("missing vers reads as 0", R"([{"name":"Tarnwick","dots":"1.0"}])", false);
    // The system must be at least the one the feed asks for.
    row("equal system number passes", feed("14.2", "2.0"), true);
    row("older system stops", feed("14.3", "2.0"), false);
    row("third part of dots ignored", feed("14.2.9", "2.0"), true);
    row("negative dots never passes", feed("-1.0", "2.0"), false);
    row("dots with one part", feed("14", "2.0"), false);
    row("dots overflowing", feed("99999999999999999999.0", "2.0"), false);
    QTest::newRow("missing dots passes any system")
        << QByteArray(R"([{"name":"Tarnwick","vers":"2.0"}])") << u"1.0"_s << 0LL << true;
    // The first entry named exactly like this application is the one that counts.
    row("only the first entry counts",
        '[' + entry("Tarnwick", "99.0", "2.0") + ',' + entry("Tarnwick", "0.0", "2.0") + ']',
        false);
    row("other applications are passed over",
        '[' + entry("Word Mill's", "0.0", "9.0") + ',' + entry("Tarnwick", "0.0", "2.0") + ']',
        true);
    row("name differing in case does not match", '[' + entry("tarnwick", "0.0", "2.0") + ']',
        false);

    // Shapes the feed should never have: nothing is shown and nothing crashes.
    row("empty", QByteArray(), false);
    row("not JSON", "<html>", false);
    row("object at top level", R"({"name":"Tarnwick","vers":"2.0"})", false);
    row("null before the entry", "[null," + feed("0.0", "2.0").mid(1), false);
    row("name is a number", R"([{"name":5},)" + feed("0.0", "2.0").mid(1), false);
    row("dots is a number", R"([{"name":"Tarnwick","dots":10.15,"vers":"2.0"}])", false);
    row("vers is a number", R"([{"name":"Tarnwick","dots":"1.0","vers":2}])", false);
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
    QTest::newRow("stops at the first non-digit") << u"42abc"_s << 42LL;
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

void TestUpdateDecision::productPage_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");

    const QString site = u"https://tarnwick.example.org/"_s;
    QTest::newRow("two words and an apostrophe")
        << site << u"Word Mill's"_s << site + u"wordmills.html"_s;
    QTest::newRow("site below a folder") << u"http://127.0.0.1:8080/apps/"_s << u"A B C"_s
                                         << u"http://127.0.0.1:8080/apps/abc.html"_s;
    QTest::newRow("a hash stays in the path") << site << u"C#"_s << site + u"c%23.html"_s;
}

void TestUpdateDecision::productPage()
{
    QFETCH(QString, base);
    QFETCH(QString, name);
    QFETCH(QString, page);
    QCOMPARE(UpdateDecision::productPage(base, name).toString(QUrl::FullyEncoded), page);
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
