#include "views/HelpStyle.h"
#include "views/HelpView.h"
#include "views/HelpWindow.h"

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    QString text;
    qreal pointSize = 0;
    bool bold = false;
    QColor colour;
    QString family;
};

// The styled runs of the view's document, one per non-empty block; the runs of a block must
// agree with each other, so a paragraph styled half one way shows up as a failure.
QList<Run> runsOf(const QTextDocument &document)
{
    QList<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty())
            continue;
        Run run;
        run.text = block.text();
        bool first = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            Run seen;
            seen.pointSize = format.font().pointSizeF();
            seen.bold = format.font().bold();
            seen.colour = format.foreground().color();
            seen.family = format.font().family();
            if (first) {
                run.pointSize = seen.pointSize;
                run.bold = seen.bold;
                run.colour = seen.colour;
                run.family = seen.family;
                first = false;
            } else if (seen.pointSize != run.pointSize || seen.bold != run.bold ||
                       seen.colour != run.colour) {
                run.pointSize = -1;
            }
        }
        runs.append(run);
    }
    return runs;
}

} // namespace

class TestHelpView : public QObject
{
    Q_OBJECT

private slots:
    void englishKeys();
    void styledRuns();
    void replacesEarlierContent();
    void followsPaletteChange();
    void windowHoldsTheView();
};

void TestHelpView::englishKeys()
{
    const QStringList paragraphs = HelpView::paragraphs();
    QCOMPARE(paragraphs.size(), 13);
    QCOMPARE(paragraphs.at(0), u"Tarnwick Help"_s);
    QVERIFY(paragraphs.at(5).contains(QChar(0x2026)));
    QVERIFY(!paragraphs.at(5).contains(u"..."_s));
    QVERIFY(paragraphs.at(12).contains(u"Import Localizations\u2026 found"_s));
    QVERIFY(paragraphs.at(9).contains(u"\"Target\""_s));
    QVERIFY(paragraphs.at(7).contains(u"app's"_s));
}

void TestHelpView::styledRuns()
{
    HelpView view;
    const QStringList paragraphs = HelpView::paragraphs();
    QCOMPARE(view.toPlainText(), HelpStyle::layout(paragraphs).text);
    QVERIFY(view.toPlainText().endsWith(u"under the export menu item.\n\n"_s));
    QVERIFY(view.isReadOnly());

    const QList<Run> runs = runsOf(*view.document());
    QCOMPARE(runs.size(), 13);
    const QColor text = view.palette().color(QPalette::Text);
    const QString family = QApplication::font().family();
    // Title, then headings at 2, 4, 7 and 11 (counting from 1); the rest is body text.
    const QList<int> headings{1, 3, 6, 10};
    for (int i = 0; i < runs.size(); ++i) {
        const Run &run = runs.at(i);
        QCOMPARE(run.text, paragraphs.at(i));
        QCOMPARE(run.pointSize, i == 0 ? 14.0 : 12.0);
        QCOMPARE(run.bold, i == 0 || headings.contains(i));
        QCOMPARE(run.colour, text);
        QCOMPARE(run.family, family);
    }
}

void TestHelpView::replacesEarlierContent()
{
    HelpView view;
    view.setPlainText(u"Placeholder text from the layout"_s);
    view.compose();
    QVERIFY(!view.toPlainText().contains(u"Placeholder"_s));
    QCOMPARE(view.toPlainText(), HelpStyle::layout(HelpView::paragraphs()).text);
}

void TestHelpView::followsPaletteChange()
{
    HelpView view;
    QPalette dark = view.palette();
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    view.setPalette(dark);

    const QList<Run> runs = runsOf(*view.document());
    QCOMPARE(runs.size(), 13);
    for (const Run &run : runs) {
        QCOMPARE(run.colour, QColor(0xee, 0xee, 0xee));
        QVERIFY(run.pointSize > 0);
    }
    QCOMPARE(runs.first().pointSize, 14.0);
}

void TestHelpView::windowHoldsTheView()
{
    HelpWindow window;
    QCOMPARE(window.windowTitle(), u"Tarnwick Help"_s);
    QVERIFY(window.view());
    QVERIFY(window.isWindow());
    window.present();
    QVERIFY(window.isVisible());
    QCOMPARE(window.view()->toPlainText(), HelpStyle::layout(HelpView::paragraphs()).text);
}

QTEST_MAIN(TestHelpView)
#include "tst_helpview.moc"
