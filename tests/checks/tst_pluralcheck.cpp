// Plural variants grouped by their ids, against ICU's categories for the file's language.
#include "checks/CheckEngine.h"
#include "checks/PluralCategories.h"
#include "checks/PluralVariant.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

/// `other`'s variant ids in the shapes of the real exports; `%1` stands for the category.
const QString stringsdictId = u"/summaryLinesFormat:dict/lineCount:dict/%1:dict/:string"_s;
const QString catalogId = u"%lld episodes watched of %@.|==|plural.%1"_s;

/// One unit per "category=target" entry ("category=" is an empty target, "category~target"
/// one with state "new"), all in file 0, after the unit that holds the format key.
std::vector<UnitRecord> variants(const QString &idPattern, const QStringList &entries)
{
    std::vector<UnitRecord> units(1);
    units[0].name = u"/summaryLinesFormat:dict/NSStringLocalizedFormatKey:dict/:string"_s;
    units[0].srcs = units[0].tget = u"%#@lineCount@"_s;
    units[0].file = 0;
    for (const QString &entry : entries) {
        const qsizetype split = entry.indexOf(QRegularExpression(u"[=~]"_s));
        UnitRecord unit;
        unit.name = idPattern.arg(entry.first(split));
        unit.srcs = u"%u lines"_s;
        unit.tget = entry.sliced(split + 1);
        if (entry[split] == u'~')
            unit.state = u"new"_s;
        unit.file = 0;
        unit.port = units.size();
        units.push_back(std::move(unit));
    }
    return units;
}

} // namespace

class TestPluralCheck : public QObject
{
    Q_OBJECT

private slots:
    void categories_data();
    void categories();
    void variantIds_data();
    void variantIds();
    void groups_data();
    void groups();
    void sameIdsInTwoFiles();
};

void TestPluralCheck::categories_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("required");
    QTest::newRow("ja") << u"ja"_s << QStringList{u"other"_s};
    QTest::newRow("ru") << u"ru"_s << QStringList{u"one"_s, u"few"_s, u"many"_s, u"other"_s};
    QTest::newRow("de") << u"de"_s << QStringList{u"one"_s, u"other"_s};
    // ICU's `many` for Portuguese is for millions only, where `other` reads right.
    QTest::newRow("pt-BR") << u"pt-BR"_s << QStringList{u"one"_s, u"other"_s};
    QTest::newRow("ar") << u"ar"_s << QStringList{u"zero"_s, u"one"_s,  u"two"_s,
                                                  u"few"_s,  u"many"_s, u"other"_s};
    QTest::newRow("underscore") << u"zh_Hans"_s << QStringList{u"other"_s};
    QTest::newRow("unknown") << u""_s << QStringList{u"other"_s};
}

void TestPluralCheck::categories()
{
    QFETCH(QString, language);
    QTEST(PluralCategories(language).required(), "required");
}

void TestPluralCheck::variantIds_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("group"); ///< empty: not a variant
    QTest::addColumn<QString>("category");
    QTest::newRow("stringsdict") << stringsdictId.arg(u"few"_s)
                                 << u"/summaryLinesFormat:dict/lineCount:dict/"_s << u"few"_s;
    QTest::newRow("stringsdict format key")
        << u"/summaryLinesFormat:dict/NSStringLocalizedFormatKey:dict/:string"_s << u""_s << u""_s;
    QTest::newRow("catalog") << catalogId.arg(u"one"_s) << u"%lld episodes watched of %@.|==|"_s
                             << u"one"_s;
    QTest::newRow("catalog substitution") << u"%#@arg1@ left|==|substitutions.arg1.plural.many"_s
                                          << u"%#@arg1@ left|==|substitutions.arg1."_s << u"many"_s;
    QTest::newRow("catalog device variant") << u"Tap|==|device.iphone"_s << u""_s << u""_s;
    QTest::newRow("not a category") << u"key|==|plural.some"_s << u""_s << u""_s;
    QTest::newRow("plural inside a word") << u"key|==|nonplural.one"_s << u""_s << u""_s;
    QTest::newRow("ordinary id") << u"plural.one"_s << u""_s << u""_s;
}

void TestPluralCheck::variantIds()
{
    QFETCH(QString, id);
    QFETCH(QString, group);
    const std::optional<PluralVariant> variant = PluralVariant::of(id);
    QCOMPARE(variant.has_value(), !group.isEmpty());
    if (!variant)
        return;
    QCOMPARE(variant->group, group);
    QTEST(variant->category.toString(), "category");
}

void TestPluralCheck::groups_data()
{
    QTest::addColumn<QString>("idPattern");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message"); ///< empty: no problem
    const QString ruNeeds = u"ru needs one, few, many, other."_s;
    QTest::newRow("elytra ja: other, zero empty")
        << stringsdictId << u"ja"_s << QStringList{u"other=%u行"_s, u"zero="_s} << QString();
    QTest::newRow("elytra ru: one and other")
        << stringsdictId << u"ru"_s << QStringList{u"one=%u строка"_s, u"other=%u строк"_s}
        << u"The plural forms lack few, many; "_s + ruNeeds;
    QTest::newRow("elytra ru: few left new")
        << stringsdictId << u"ru"_s
        << QStringList{u"one=%u строка"_s, u"few~%u lines"_s, u"many=%u строк"_s,
                       u"other=%u строки"_s}
        << u"The plural forms lack few; "_s + ruNeeds;
    QTest::newRow("elytra ru: all four") << stringsdictId << u"ru"_s
                                         << QStringList{u"one=%u строка"_s, u"few=%u строки"_s,
                                                        u"many=%u строк"_s, u"other=%u строки"_s}
                                         << QString();
    QTest::newRow("kitsune de: one and other")
        << catalogId << u"de"_s << QStringList{u"one=%lld Folge"_s, u"other=%lld Folgen"_s}
        << QString();
    QTest::newRow("kitsune de: other empty")
        << catalogId << u"de"_s << QStringList{u"one=%lld Folge"_s, u"other="_s}
        << u"The plural forms lack other; de needs one, other."_s;
    QTest::newRow("kitsune ja: one only") << catalogId << u"ja"_s << QStringList{u"one=%lld 話"_s}
                                          << u"The plural forms lack other; ja needs other."_s;
    QTest::newRow("kitsune ru: nothing translated yet")
        << catalogId << u"ru"_s << QStringList{u"one~%lld episode"_s, u"other~%lld episodes"_s}
        << QString();
}

void TestPluralCheck::groups()
{
    QFETCH(QString, idPattern);
    QFETCH(QString, language);
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    const std::vector<UnitRecord> units = variants(idPattern, entries);
    const CheckEngine engine({FileHeader{{}, u"en"_s, language}}, {u"plural"_s});
    const std::vector<Problem> problems = engine.check(units);
    QCOMPARE(problems.size(), message.isEmpty() ? 0u : 1u);
    if (message.isEmpty())
        return;
    QCOMPARE(problems[0].message, message);
    QCOMPARE(problems[0].row, 1u); // the group's first variant
    QCOMPARE(problems[0].severity, Problem::Severity::Error);
}

void TestPluralCheck::sameIdsInTwoFiles()
{
    // Xcode repeats ids across files; each file's variants are a group of their own.
    std::vector<UnitRecord> units =
        variants(catalogId, {u"one=%lld Folge"_s, u"other=%lld Folgen"_s});
    for (UnitRecord unit : variants(catalogId, {u"one=%lld Folge"_s})) {
        unit.file = 1;
        unit.port = units.size();
        units.push_back(std::move(unit));
    }
    const CheckEngine engine({FileHeader{{}, u"en"_s, u"de"_s}, FileHeader{{}, u"en"_s, u"de"_s}},
                             {u"plural"_s});
    const std::vector<Problem> problems = engine.check(units);
    QCOMPARE(problems.size(), 1u);
    QCOMPARE(problems[0].row, 4u);
}

QTEST_GUILESS_MAIN(TestPluralCheck)
#include "tst_pluralcheck.moc"
