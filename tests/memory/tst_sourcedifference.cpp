// The words of a memory's source that the source being translated lacks, as the match list
// marks them: [changed] words, and | where the current source has words of its own.
#include "memory/SourceDifference.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSourceDifference : public QObject
{
    Q_OBJECT

private slots:
    void marks_data();
    void marks();
};

void TestSourceDifference::marks_data()
{
    QTest::addColumn<QString>("memory");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("marked");
    QTest::newRow("same") << u"Open File"_s << u"Open File"_s << u"Open File"_s;
    QTest::newRow("one word replaced")
        << u"Open the file"_s << u"Open a file"_s << u"Open [the] file"_s;
    QTest::newRow("a word the memory lacks")
        << u"Open file"_s << u"Open recent file"_s << u"Open |file"_s;
    QTest::newRow("words at the end the memory lacks")
        << u"Save"_s << u"Save As…"_s << u"Save|"_s;
    QTest::newRow("words in two places")
        << u"Delete the file now?"_s << u"Delete this file?"_s << u"Delete [the] file[ now]?"_s;
    QTest::newRow("reordered words keep the longer common run")
        << u"Save and close"_s << u"Close and save"_s << u"[Save] and [close]"_s;
    QTest::newRow("a word's case differs")
        << u"Open File"_s << u"Open file"_s << u"Open [File]"_s;
    QTest::newRow("nothing in common") << u"Cancel"_s << u"Done"_s << u"[Cancel]"_s;
    QTest::newRow("empty current source") << u"Cancel"_s << QString() << u"[Cancel]"_s;
    QTest::newRow("Japanese, character by character")
        << u"ファイルを保存"_s << u"ファイルを開く"_s << u"ファイルを[保存]"_s;
    QTest::newRow("a character outside the BMP stays whole")
        << u"𠮷野家へ"_s << u"𠮷田家へ"_s << u"𠮷[野]家へ"_s;
    QTest::newRow("a format specifier differs")
        << u"%d files"_s << u"%@ files"_s << u"%[d] files"_s;
}

void TestSourceDifference::marks()
{
    QFETCH(QString, memory);
    QFETCH(QString, current);
    QString marked;
    qsizetype covered = 0;
    for (const SourceDifference::Span &span : SourceDifference::of(memory, current)) {
        QCOMPARE(span.start, covered); // in order, nothing skipped
        covered += span.length;
        const QString text = memory.mid(span.start, span.length);
        marked += !span.changed ? text : span.length == 0 ? u"|"_s : u"["_s + text + u"]"_s;
    }
    QCOMPARE(covered, memory.size());
    QTEST(marked, "marked");
}

QTEST_GUILESS_MAIN(TestSourceDifference)
#include "tst_sourcedifference.moc"
