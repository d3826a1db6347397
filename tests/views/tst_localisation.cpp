#include "views/HelpStyle.h"
#include "views/HelpView.h"
#include "views/HelpWindow.h"
#include "views/Localisation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString state; ///< the translation's type attribute: empty when finished
    bool numerus = false;
};

QList<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message") {
            messages.append(message);
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message();
            message.context = context;
            message.numerus = xml.attributes().value(u"numerus"_s) == u"yes";
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"comment") {
            message.comment = xml.readElementText();
        } else if (name == u"translation") {
            message.state = xml.attributes().value(u"type"_s).toString();
            message.translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    return messages;
}

} // namespace

class TestLocalisation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void englishNeedsNothing();
    void japaneseLoads();
    void helpInJapanese();
    void helpStylesInJapanese();
    void qtDialogsInJapanese();
    void menusInJapanese_data();
    void menusInJapanese();
    void everyStringTranslated();
};

void TestLocalisation::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestLocalisation::englishNeedsNothing()
{
    QVERIFY(!Localisation::installTranslations(*qApp,
                                               QLocale(QLocale::English, QLocale::UnitedStates)));
    QCOMPARE(HelpView::paragraphs().first(), u"Tarnwick Help"_s);
    QVERIFY(QDir(Localisation::resourceFolder()).exists(u"tarnwick_ja.qm"_s));
}

void TestLocalisation::japaneseLoads()
{
    QVERIFY(Localisation::installTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan)));
}

void TestLocalisation::helpInJapanese()
{
    HelpWindow window;
    QCOMPARE(window.windowTitle(), u"Tarnwick ヘルプ"_s);

    const QStringList paragraphs = HelpView::paragraphs();
    QCOMPARE(paragraphs.size(), 13);
    QCOMPARE(paragraphs.at(0), u"Tarnwick ヘルプ"_s);
    QCOMPARE(paragraphs.at(1), u"概要"_s);
    QCOMPARE(paragraphs.at(10), u"保存"_s);
    QCOMPARE(window.view()->toPlainText(), HelpStyle::layout(paragraphs).text);
}

// Each translated paragraph keeps the role of its English key: body text ends with "。" and
// headings end without a stop, so the Japanese help is styled like the English one.
void TestLocalisation::helpStylesInJapanese()
{
    const QStringList japanese = HelpView::paragraphs();
    const QStringList english = [] {
        QStringList keys;
        const QList<Message> messages = readTs(QStringLiteral(TARNWICK_TS_FILE));
        for (const Message &message : messages)
            if (message.context == u"HelpView")
                keys.append(message.source);
        return keys;
    }();
    QCOMPARE(english.size(), 13);
    for (int i = 0; i < japanese.size(); ++i) {
        QVERIFY2(japanese.at(i) != english.at(i), qPrintable(english.at(i)));
        QCOMPARE(HelpStyle::kindOf(i, japanese.at(i)), HelpStyle::kindOf(i, english.at(i)));
        if (HelpStyle::kindOf(i, japanese.at(i)) == HelpStyle::Kind::Body)
            QVERIFY2(japanese.at(i).endsWith(u'。'), qPrintable(japanese.at(i)));
    }
}

void TestLocalisation::qtDialogsInJapanese()
{
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_s);
}

void TestLocalisation::menusInJapanese_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("japanese");

    QTest::newRow("File menu") << u"&File"_s << u"ファイル(&F)"_s;
    QTest::newRow("Edit menu") << u"&Edit"_s << u"編集(&E)"_s;
    QTest::newRow("Help menu") << u"&Help"_s << u"ヘルプ(&H)"_s;
    QTest::newRow("Save") << u"&Save"_s << u"保存(&S)"_s;
    QTest::newRow("Save As") << u"Save &As…"_s << u"別名で保存(&A)…"_s;
    QTest::newRow("Preferences") << u"Preferences…"_s << u"環境設定…"_s;
    QTest::newRow("help item") << u"Tarnwick Help"_s << u"Tarnwick ヘルプ"_s;
    QTest::newRow("dictionary command")
        << u"Replace With Replacement Dictionary"_s << u"置換辞書で置き換える"_s;
    QTest::newRow("alert") << u"Not Found"_s << u"見つかりません"_s;
    QTest::newRow("alert text") << u"No appropriate files found"_s
                                << u"該当するファイルが見つかりません"_s;
    QTest::newRow("save alert") << u"Failed"_s << u"失敗しました"_s;
    QTest::newRow("save alert text") << u"Could not save."_s << u"保存できませんでした。"_s;
}

// Wherever the program shows these texts, they come out in Japanese.
void TestLocalisation::menusInJapanese()
{
    QFETCH(QString, source);
    QFETCH(QString, japanese);

    int found = 0;
    const QList<Message> messages = readTs(QStringLiteral(TARNWICK_TS_FILE));
    for (const Message &message : messages) {
        if (message.source != source)
            continue;
        ++found;
        QCOMPARE(QCoreApplication::translate(message.context.toUtf8().constData(),
                                             source.toUtf8().constData()),
                 japanese);
    }
    QVERIFY2(found > 0, "the program shows this text nowhere");
}

// The translation file is complete and the compiled copy inside the program agrees with it.
void TestLocalisation::everyStringTranslated()
{
    const QList<Message> messages = readTs(QStringLiteral(TARNWICK_TS_FILE));
    QVERIFY(messages.size() >= 13);
    for (const Message &message : messages) {
        const QString where = message.context + u": "_s + message.source;
        QVERIFY2(message.state.isEmpty(), qPrintable(where + u" is "_s + message.state));
        QVERIFY2(!message.translation.isEmpty(), qPrintable(where));
        if (message.numerus)
            continue;
        const QString shown = QCoreApplication::translate(
            message.context.toUtf8().constData(), message.source.toUtf8().constData(),
            message.comment.isEmpty() ? nullptr : message.comment.toUtf8().constData());
        QCOMPARE(shown, message.translation);
    }
}

QTEST_MAIN(TestLocalisation)
#include "tst_localisation.moc"
