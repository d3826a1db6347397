#include "views/HelpStyle.h"
#include "views/HelpView.h"
#include "views/HelpWindow.h"
#include "views/Localisation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
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

QString shown(const Message &message)
{
    return QCoreApplication::translate(
        message.context.toUtf8().constData(), message.source.toUtf8().constData(),
        message.comment.isEmpty() ? nullptr : message.comment.toUtf8().constData());
}

} // namespace

class TestLocalisation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loadsOnlyForOtherLanguages();
    void helpInJapanese();
    void shownInJapanese_data();
    void shownInJapanese();
    void everyStringTranslated();

private:
    QList<Message> m_messages;
};

void TestLocalisation::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_messages = readTs(QStringLiteral(TARNWICK_TS_FILE));
    QVERIFY(m_messages.size() >= 13);
}

void TestLocalisation::loadsOnlyForOtherLanguages()
{
    // English is the key: only the plural forms of counts are loaded, and the help reads
    // as written.
    QVERIFY(!Localisation::installTranslations(*qApp,
                                               QLocale(QLocale::English, QLocale::UnitedStates)));
    QCOMPARE(HelpView::paragraphs().first(), u"Tarnwick Help"_s);
    const auto errors = [](int n) {
        return QCoreApplication::translate("ProblemStatus", "%n error(s)", nullptr, n);
    };
    QCOMPARE(errors(1), u"1 error"_s);
    QCOMPARE(errors(9), u"9 errors"_s);
    QCOMPARE(QCoreApplication::translate("ReplacementPass",
                                         "Replaced %n target(s); %1 of them had another "
                                         "translation.",
                                         nullptr, 12)
                 .arg(3),
             u"Replaced 12 targets; 3 of them had another translation."_s);
    QVERIFY(QDir(Localisation::resourceFolder()).exists(u"tarnwick_ja.qm"_s));

    // Japanese brings the program's own translation and Qt's for its standard buttons.
    QVERIFY(Localisation::installTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan)));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_s);
    QCOMPARE(errors(9), u"エラー 9 件"_s);
    // The program's names of keys win over Qt's catalogue, which misspells Backspace.
    const QKeySequence clear(Qt::CTRL | Qt::SHIFT | Qt::Key_Backspace);
    QCOMPARE(clear.toString(QKeySequence::NativeText), u"Ctrl+Shift+Backspace"_s);
}

// Each translated paragraph keeps the role of its English key: body text ends with "。" and
// headings end without a stop, so the Japanese help is styled like the English one.
void TestLocalisation::helpInJapanese()
{
    HelpWindow window;
    QCOMPARE(window.windowTitle(), u"Tarnwick ヘルプ"_s);
    const QStringList japanese = HelpView::paragraphs();
    QCOMPARE(window.view()->toPlainText(), HelpStyle::layout(japanese).text);

    QStringList english;
    for (const Message &message : std::as_const(m_messages)) {
        if (message.context == u"HelpView")
            english.append(message.source);
    }
    QCOMPARE(english.size(), 13);
    QCOMPARE(japanese.size(), english.size());
    for (int i = 0; i < japanese.size(); ++i) {
        QVERIFY2(japanese.at(i) != english.at(i), qPrintable(english.at(i)));
        QCOMPARE(HelpStyle::kindOf(i, japanese.at(i)), HelpStyle::kindOf(i, english.at(i)));
        if (HelpStyle::kindOf(i, japanese.at(i)) == HelpStyle::Kind::Body)
            QVERIFY2(japanese.at(i).endsWith(u'。'), qPrintable(japanese.at(i)));
    }
}

// One text from each place that shows them: the program collects its strings from all of its
// sources, and wherever a text is shown it comes out in Japanese.
void TestLocalisation::shownInJapanese_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("japanese");

    QTest::newRow("menu") << u"&File"_s << u"ファイル(&F)"_s;
    QTest::newRow("menu item with an ellipsis") << u"Save &As…"_s << u"別名で保存(&A)…"_s;
    QTest::newRow("help: menu, window and view") << u"Tarnwick Help"_s << u"Tarnwick ヘルプ"_s;
    QTest::newRow("alert: application and command line")
        << u"No appropriate files found"_s << u"該当するファイルが見つかりません"_s;
    QTest::newRow("save alert") << u"Could not save."_s << u"保存できませんでした。"_s;
}

void TestLocalisation::shownInJapanese()
{
    QFETCH(QString, source);
    QFETCH(QString, japanese);

    int found = 0;
    for (const Message &message : std::as_const(m_messages)) {
        if (message.source != source)
            continue;
        ++found;
        QCOMPARE(shown(message), japanese);
    }
    QVERIFY2(found > 0, "the program shows this text nowhere");
}

// The translation file is complete and the compiled copy inside the program agrees with it.
void TestLocalisation::everyStringTranslated()
{
    for (const Message &message : std::as_const(m_messages)) {
        const QString where = message.context + u": "_s + message.source;
        QVERIFY2(message.state.isEmpty(), qPrintable(where + u" is "_s + message.state));
        QVERIFY2(!message.translation.isEmpty(), qPrintable(where));
        if (!message.numerus)
            QCOMPARE(shown(message), message.translation);
    }
}

QTEST_MAIN(TestLocalisation)
#include "tst_localisation.moc"
