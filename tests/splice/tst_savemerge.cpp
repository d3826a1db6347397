// A save into a file another program changed since the load: only the user's changes are
// written, each into its own unit, and what both changed is a conflict.
#include "hardening/TestFiles.h"

#include "splice/DocumentSave.h"
#include "xliff/ParseState.h"
#include "splice/SaveMerge.h"
#include "xliff/XliffReader.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Unit
{
    QByteArray id;
    QByteArray target;
    QByteArray file = "a/Main.strings";
};

using Units = QList<Unit>;
using Edits = QList<std::pair<int, QString>>; ///< window row, new target

/// An export of the units, their sources "Source of <id>", one `<file>` per run of units.
QByteArray exportOf(const Units &units)
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff "
                      "xmlns=\"urn:oasis:names:tc:xliff:document:1.2\" version=\"1.2\">\n";
    QByteArray open;
    for (const Unit &unit : units) {
        if (unit.file != open) {
            if (!open.isEmpty())
                text += "    </body>\n  </file>\n";
            text += "  <file original=\"" + unit.file +
                    "\" source-language=\"en\" datatype=\"plaintext\" target-language=\"de\">\n"
                    "    <body>\n";
            open = unit.file;
        }
        text += "      <trans-unit id=\"" + unit.id +
                "\" xml:space=\"preserve\">\n        <source>Source of " + unit.id +
                "</source>\n        <target>" + unit.target + "</target>\n      </trans-unit>\n";
    }
    return text + "    </body>\n  </file>\n</xliff>\n";
}

const Units loaded = {{"one", "Eins"}, {"two", "Zwei"}, {"three", "Drei"}, {"four", "Vier"}};

Units with(Units units, int index, const QByteArray &target)
{
    units[index].target = target;
    return units;
}

Units without(Units units, int index)
{
    units.removeAt(index);
    return units;
}

enum class Answer
{
    None,
    KeepMine,
    KeepTheirs
};

} // namespace

Q_DECLARE_METATYPE(Units)
Q_DECLARE_METATYPE(Answer)

class TestSaveMerge : public QObject
{
    Q_OBJECT

private slots:
    void savesIntoTheFileAsItIsNow_data();
    void savesIntoTheFileAsItIsNow();
};

void TestSaveMerge::savesIntoTheFileAsItIsNow_data()
{
    QTest::addColumn<Units>("loadedUnits");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<std::optional<QByteArray>>("disk"); ///< the file now; none: gone
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QByteArray>("expected"); ///< the file afterwards
    QTest::addColumn<QStringList>("notPlaced");
    QTest::addColumn<int>("conflicts");

    const QByteArray original = exportOf(loaded);
    const Edits editTwo = {{1, u"Zwo"_s}};
    QTest::newRow("file unchanged") << loaded << editTwo << std::optional(original) << Answer::None
                                    << exportOf(with(loaded, 1, "Zwo")) << QStringList() << 0;
    QTest::newRow("another unit changed on disk")
        << loaded << editTwo << std::optional(exportOf(with(loaded, 3, "IV"))) << Answer::None
        << exportOf(with(with(loaded, 3, "IV"), 1, "Zwo")) << QStringList() << 0;
    QTest::newRow("unit before removed on disk")
        << loaded << editTwo << std::optional(exportOf(without(loaded, 0))) << Answer::None
        << exportOf(with(without(loaded, 0), 0, "Zwo")) << QStringList() << 0;
    QTest::newRow("edited unit removed on disk")
        << loaded << editTwo << std::optional(exportOf(without(loaded, 1))) << Answer::None
        << exportOf(without(loaded, 1)) << QStringList{u"two"_s} << 0;
    Units reordered = {loaded[3], loaded[1], loaded[0], loaded[2]};
    QTest::newRow("units reordered on disk")
        << loaded << Edits{{1, u"Zwo"_s}, {3, u"IV"_s}} << std::optional(exportOf(reordered))
        << Answer::None << exportOf(with(with(reordered, 1, "Zwo"), 0, "IV")) << QStringList() << 0;
    // The same id and source in two files: each edit stays in its own file's unit.
    const Units repeated = {{"x", "A", "a.strings"}, {"x", "B", "b.strings"}};
    const Units repeatedNow = {
        {"new", "N", "a.strings"}, {"x", "A", "a.strings"}, {"x", "B", "b.strings"}};
    QTest::newRow("same id in two files, unit inserted")
        << repeated << Edits{{1, u"Bee"_s}} << std::optional(exportOf(repeatedNow)) << Answer::None
        << exportOf(with(repeatedNow, 2, "Bee")) << QStringList() << 0;
    const QByteArray theirs = exportOf(with(loaded, 1, "Deux"));
    QTest::newRow("changed in both, keep mine")
        << loaded << editTwo << std::optional(theirs) << Answer::KeepMine
        << exportOf(with(loaded, 1, "Zwo")) << QStringList() << 1;
    QTest::newRow("changed in both, keep the file's")
        << loaded << editTwo << std::optional(theirs) << Answer::KeepTheirs << theirs
        << QStringList() << 1;
    QTest::newRow("same change in both")
        << loaded << editTwo << std::optional(exportOf(with(loaded, 1, "Zwo"))) << Answer::None
        << exportOf(with(loaded, 1, "Zwo")) << QStringList() << 0;
    QTest::newRow("file gone") << loaded << editTwo << std::optional<QByteArray>() << Answer::None
                               << exportOf(with(loaded, 1, "Zwo")) << QStringList() << 0;
}

void TestSaveMerge::savesIntoTheFileAsItIsNow()
{
    QFETCH(Units, loadedUnits);
    QFETCH(Edits, edits);
    QFETCH(std::optional<QByteArray>, disk);
    QFETCH(Answer, answer);
    const QByteArray loadedBytes = exportOf(loadedUnits);
    ParseState state;
    std::vector<UnitRecord> rows = XliffReader(state).read(loadedBytes).units;
    for (const auto &[row, text] : edits)
        rows[std::size_t(row)].tget = text;

    SaveMerge::Plan plan = SaveMerge::plan(loadedBytes, rows, disk);
    QVERIFY(plan.error.isEmpty());
    QTEST(int(plan.conflicts.size()), "conflicts");
    QStringList notPlaced;
    for (const UnwrittenUnit &unit : plan.notPlaced)
        notPlaced.append(unit.name.value_or(QString()));
    QTEST(notPlaced, "notPlaced");
    if (answer == Answer::KeepTheirs)
        SaveMerge::keepTheirs(plan);

    const QTemporaryDir dir;
    const QString path = dir.filePath(u"ja.xliff"_s);
    if (disk)
        QVERIFY(TestFiles::write(path, *disk));
    const DocumentSave::Outcome outcome = DocumentSave::run(plan.fileBytes, plan.rows, path);
    QVERIFY(outcome.written);
    QVERIFY(outcome.packed.unwritten.empty());
    QTEST(TestFiles::read(path), "expected");
}

QTEST_GUILESS_MAIN(TestSaveMerge)
#include "tst_savemerge.moc"
