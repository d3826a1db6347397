#include "views/HelpStyle.h"
#include "views/HelpView.h"
#include "views/HelpWindow.h"

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestHelpView : public QObject
{
    Q_OBJECT

private slots:
    void styledRuns_data();
    void styledRuns();
    void replacesEarlierContent();
    void windowHoldsTheView();
};

void TestHelpView::styledRuns_data()
{
    QTest::addColumn<QColor>("textColour"); // invalid: the palette is left alone
    QTest::newRow("palette as started") << QColor();
    QTest::newRow("palette changed afterwards") << QColor(0xee, 0xee, 0xee);
}

void TestHelpView::styledRuns()
{
    QFETCH(QColor, textColour);

    HelpView view;
    if (textColour.isValid()) {
        QPalette dark = view.palette();
        dark.setColor(QPalette::Text, textColour);
        dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        view.setPalette(dark);
    } else {
        textColour = view.palette().color(QPalette::Text);
    }
    const QStringList paragraphs = HelpView::paragraphs();
    QCOMPARE(view.toPlainText(), HelpStyle::layout(paragraphs).text);

    // Every run of every paragraph is checked, so one styled half one way shows up too.
    // Title, then headings at 2, 4, 7 and 11 (counting from 1); the rest is body text.
    const QList<int> headings{1, 3, 6, 10};
    const QString family = QApplication::font().family();
    int i = 0;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty())
            continue;
        QCOMPARE(block.text(), paragraphs.value(i));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QCOMPARE(format.font().pointSizeF(), i == 0 ? 14.0 : 12.0);
            QCOMPARE(format.font().bold(), i == 0 || headings.contains(i));
            QCOMPARE(format.foreground().color(), textColour);
            QCOMPARE(format.font().family(), family);
        }
        ++i;
    }
    QCOMPARE(i, 13);
}

void TestHelpView::replacesEarlierContent()
{
    HelpView view;
    view.setPlainText(u"Placeholder text from the layout"_s);
    view.compose();
    QCOMPARE(view.toPlainText(), HelpStyle::layout(HelpView::paragraphs()).text);
}

void TestHelpView::windowHoldsTheView()
{
    HelpWindow window;
    QCOMPARE(window.windowTitle(), u"Tarnwick Help"_s);
    window.present();
    QVERIFY(window.isVisible());
    QCOMPARE(window.view()->toPlainText(), HelpStyle::layout(HelpView::paragraphs()).text);
}

QTEST_MAIN(TestHelpView)
#include "tst_helpview.moc"
