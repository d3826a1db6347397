// The accepted warnings' store: what it keys a warning by, and its file.
#include "checks/AcceptedWarnings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

UnitRecord unit(std::optional<QString> from, std::optional<QString> name,
                std::optional<QString> source)
{
    UnitRecord record;
    record.from = std::move(from);
    record.name = std::move(name);
    record.srcs = std::move(source);
    return record;
}

Problem warning(const QString &check)
{
    return {0, check, Problem::Severity::Warning, u"m"_s};
}

} // namespace

class TestAcceptedWarnings : public QObject
{
    Q_OBJECT

private slots:
    void keyedByFileIdCheckAndSource();
    void savedAndLoaded();
    void unreadableFile();
};

void TestAcceptedWarnings::keyedByFileIdCheckAndSource()
{
    AcceptedWarnings accepted;
    const UnitRecord open = unit(u"a.strings"_s, u"open"_s, u"Open"_s);
    QVERIFY(accepted.accept(open, u"unchanged"_s));
    QVERIFY(!accepted.accept(open, u"unchanged"_s));
    QVERIFY(accepted.accepts(open, warning(u"unchanged"_s)));
    QVERIFY(!accepted.accepts(open, warning(u"punctuation"_s)));
    QVERIFY(!accepted.accepts(unit(u"b.strings"_s, u"open"_s, u"Open"_s), warning(u"unchanged"_s)));
    QVERIFY(
        !accepted.accepts(unit(u"a.strings"_s, u"open"_s, u"Open…"_s), warning(u"unchanged"_s)));
    QVERIFY(
        !accepted.accepts(unit(u"a.strings"_s, u"open"_s, std::nullopt), warning(u"unchanged"_s)));
    QVERIFY(!accepted.accepts(open, {0, u"unchanged"_s, Problem::Severity::Error, u"m"_s}));
    QVERIFY(accepted.revoke(open, u"unchanged"_s));
    QVERIFY(!accepted.accepts(open, warning(u"unchanged"_s)));
}

void TestAcceptedWarnings::savedAndLoaded()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"accepted.jsonl"_s);
    QString error;
    const std::optional<AcceptedWarnings> none = AcceptedWarnings::load(path, &error);
    QVERIFY(none && none->isEmpty());

    AcceptedWarnings accepted;
    const UnitRecord odd = unit(std::nullopt, u"id\twith \"quotes\""_s, u""_s);
    const UnitRecord plain = unit(u"a"_s, u"b"_s, u"c"_s);
    accepted.accept(odd, u"blanks"_s);
    accepted.accept(plain, u"unchanged"_s);
    QVERIFY2(accepted.save(path, &error), qPrintable(error));
    const std::optional<AcceptedWarnings> back = AcceptedWarnings::load(path, &error);
    QVERIFY2(back, qPrintable(error));
    QVERIFY(back->accepts(odd, warning(u"blanks"_s)));
    QVERIFY(back->accepts(plain, warning(u"unchanged"_s)));
    // An absent file and an empty one differ from an empty text.
    QVERIFY(!back->accepts(unit(u""_s, u"id\twith \"quotes\""_s, u""_s), warning(u"blanks"_s)));
}

void TestAcceptedWarnings::unreadableFile()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(u"accepted.jsonl"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"check\":\"blanks\"}\nnot json\n");
    file.close();
    QString error;
    QVERIFY(!AcceptedWarnings::load(path, &error));
    QVERIFY2(error.contains(u":2:"_s), qPrintable(error));
    QVERIFY(!AcceptedWarnings().save(dir.filePath(u"no/such/folder/x"_s), &error));
}

QTEST_GUILESS_MAIN(TestAcceptedWarnings)
#include "tst_acceptedwarnings.moc"
