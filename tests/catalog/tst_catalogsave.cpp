#include "CatalogTests.h"

#include "catalog/CatalogSave.h"
#include "catalog/CatalogState.h"
#include "catalog/JsonScanner.h"
#include "catalog/XcodeJsonWriter.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace {

using Optional = std::optional<QString>;

/// What the test types into unit `i`: texts that need escaping, line breaks, an empty
/// target, and every seventh translated unit cleared to no target at all.
Optional typed(std::size_t i, const UnitRecord &unit)
{
    if (i % 7 == 3 && unit.tget)
        return std::nullopt;
    switch (i % 5) {
    case 0:
        return u"✓ "_s + unit.srcs.value_or(QString());
    case 1:
        return u"Quote \" back\\slash / slash %1$@ $1"_s;
    case 2:
        return u"line\nfeed\ttab \u0001 é\u2028 😀"_s;
    case 3:
        return u""_s;
    default:
        return u"Zeile "_s + QString::number(i);
    }
}

Optional oracleTarget(const QJsonObject &holder)
{
    if (holder.contains(u"stringUnit"_s))
        return holder.value(u"stringUnit"_s).toObject().value(u"value"_s).toString();
    if (!holder.contains(u"stringSet"_s))
        return std::nullopt;
    QStringList values;
    for (const QJsonValue &each :
         holder.value(u"stringSet"_s).toObject().value(u"values"_s).toArray())
        values.append(each.toString());
    return values.join(u'\n');
}

QString oracleState(const QJsonObject &holder)
{
    const QString kind = holder.contains(u"stringSet"_s) ? u"stringSet"_s : u"stringUnit"_s;
    return holder.value(kind).toObject().value(u"state"_s).toString();
}

/// Every entry of `a` and `b` agree outside `language`'s localizations.
void compareOutside(const QJsonObject &a, const QJsonObject &b, const QString &language)
{
    QCOMPARE(a.keys(), b.keys());
    const QJsonObject aStrings = a.value(u"strings"_s).toObject();
    const QJsonObject bStrings = b.value(u"strings"_s).toObject();
    QCOMPARE(aStrings.keys(), bStrings.keys());
    for (const QString &key : aStrings.keys()) {
        QJsonObject aEntry = aStrings.value(key).toObject();
        QJsonObject bEntry = bStrings.value(key).toObject();
        QJsonObject aLocs = aEntry.take(u"localizations"_s).toObject();
        QJsonObject bLocs = bEntry.take(u"localizations"_s).toObject();
        QCOMPARE(aEntry, bEntry);
        aLocs.remove(language);
        bLocs.remove(language);
        QVERIFY2(aLocs == bLocs, qPrintable(key));
    }
}

} // namespace

class TestCatalogSave : public QObject
{
    Q_OBJECT

private slots:
    void noEditsKeepEveryByte_data();
    void noEditsKeepEveryByte();
    void everyUnitEdited_data();
    void everyUnitEdited();
};

void TestCatalogSave::noEditsKeepEveryByte_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("language");
    for (const QString &path : catalogFiles()) {
        const CatalogRead read = CatalogReader::read(fileBytes(path), u"en"_s, u"x"_s);
        for (const QString &language : read.languages + QStringList{u"x-new"_s}) {
            const QString name = QFileInfo(path).fileName() + u' ' + language;
            QTest::newRow(qPrintable(name)) << path << language;
        }
    }
}

void TestCatalogSave::noEditsKeepEveryByte()
{
    QFETCH(QString, path);
    QFETCH(QString, language);
    const QByteArray bytes = fileBytes(path);
    const CatalogSave::Result saved = CatalogSave::pack(bytes, language, unitsOf(bytes, language));
    QVERIFY2(saved.bytes, qPrintable(saved.errorString));
    QVERIFY(saved.unplaced.empty());
    QVERIFY(*saved.bytes == bytes);
}

void TestCatalogSave::everyUnitEdited_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("language");
    for (const QString &path : catalogFiles()) {
        const QString language = twoLanguages(fileBytes(path)).back();
        QTest::newRow(qPrintable(QFileInfo(path).fileName() + u' ' + language)) << path << language;
    }
}

// Every unit of one language edited: the other languages stay equal, the values read as
// typed, and a file Xcode wrote is still laid out as Xcode would write it.
void TestCatalogSave::everyUnitEdited()
{
    QFETCH(QString, path);
    QFETCH(QString, language);
    const QByteArray bytes = fileBytes(path);
    const std::vector<UnitRecord> before = unitsOf(bytes, language);
    std::vector<UnitRecord> rows = before;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].tget = typed(i, rows[i]);
    const CatalogSave::Result saved = CatalogSave::pack(bytes, language, rows);
    QVERIFY2(saved.bytes, qPrintable(saved.errorString));
    QVERIFY(saved.unplaced.empty());

    const QJsonObject original = oracle(bytes);
    const QJsonObject edited = oracle(*saved.bytes);
    compareOutside(original, edited, language);
    const QJsonObject strings = edited.value(u"strings"_s).toObject();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QString &id = *rows[i].name;
        const QJsonObject holder = descend(strings.value(keyOfId(id))
                                               .toObject()
                                               .value(u"localizations"_s)
                                               .toObject()
                                               .value(language)
                                               .toObject(),
                                           pathOfId(id));
        QCOMPARE(oracleTarget(holder), rows[i].tget);
        if (rows[i].tget && rows[i].tget != before[i].tget)
            QCOMPARE(oracleState(holder), u"translated"_s);
    }
    // A substitution made for the language takes the source's argument and format.
    const QString source = edited.value(u"sourceLanguage"_s).toString();
    for (const QJsonValue &entry : strings) {
        const QJsonObject locs = entry.toObject().value(u"localizations"_s).toObject();
        const QJsonObject subs =
            locs.value(language).toObject().value(u"substitutions"_s).toObject();
        const QJsonObject sourceSubs =
            locs.value(source).toObject().value(u"substitutions"_s).toObject();
        for (const QString &name : subs.keys()) {
            for (const QString &key : {u"argNum"_s, u"formatSpecifier"_s})
                QCOMPARE(subs.value(name).toObject().value(key),
                         sourceSubs.value(name).toObject().value(key));
        }
    }
    if (xcodeLayout(bytes) == bytes)
        QVERIFY(xcodeLayout(*saved.bytes) == *saved.bytes);
    // The saved file reads back with the same units, and saving it again changes nothing.
    const std::vector<UnitRecord> after = unitsOf(*saved.bytes, language);
    QCOMPARE(after.size(), rows.size());
    const CatalogSave::Result again = CatalogSave::pack(*saved.bytes, language, after);
    QVERIFY(again.bytes && *again.bytes == *saved.bytes);
}

QTEST_GUILESS_MAIN(TestCatalogSave)
#include "tst_catalogsave.moc"
