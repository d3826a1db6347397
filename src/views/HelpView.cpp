#include "views/HelpView.h"

#include "views/HelpStyle.h"

#include <QApplication>
#include <QEvent>
#include <QTextCharFormat>
#include <QTextCursor>

HelpView::HelpView(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    compose();
}

QStringList HelpView::paragraphs()
{
    return {
        tr("Tarnwick Help"),
        tr("Summary"),
        tr("XLIFF Editor to help localizing languages in Xcode. Preconfigured dictionary for "
           "Japanese language is included."),
        tr("Exporting from Xcode"),
        tr("First, export localization files from Xcode. Select root item in the left pane> "
           "Select Project> select Info> Add localization."),
        tr("Then, Menu> Editor> Export For Localization…> Save. There you will find xcloc or "
           "xliff file."),
        tr("Working on this app"),
        tr("Drag exported file onto this app's icon to open."),
        tr("This app includes Japanese Dictionary for Xcode-generated standard MainMenu items. "
           "To replace with it, Menu> Edit> Replace With Replacement Dictionary. You can also "
           "add keys and values on your own, in preferences."),
        tr("To edit each item on the table, double click or hit return to edit \"Target\", one "
           "by one."),
        tr("Save"),
        tr("Menu> File> Save lets you overwrite the original XLIFF file."),
        tr("Saved xcloc or xliff can be imported into Xcode through Import Localizations… found "
           "under the export menu item."),
    };
}

void HelpView::compose()
{
    const HelpStyle::Layout layout = HelpStyle::layout(paragraphs());
    const QColor colour = palette().color(QPalette::Text);

    clear();
    QTextCursor cursor(document());
    for (const HelpStyle::Paragraph &paragraph : layout.paragraphs) {
        QFont font = QApplication::font();
        font.setPointSizeF(HelpStyle::pointSize(paragraph.kind));
        font.setBold(HelpStyle::isBold(paragraph.kind));

        QTextCharFormat format;
        format.setFont(font);
        format.setForeground(colour);
        cursor.insertText(paragraph.text, format);
    }
    moveCursor(QTextCursor::Start);
}

void HelpView::changeEvent(QEvent *event)
{
    QTextBrowser::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        recolour();
}

// A switch between light and dark appearance changes the palette; the text takes the new
// text colour without being composed again.
void HelpView::recolour()
{
    QTextCharFormat format;
    format.setForeground(palette().color(QPalette::Text));
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(format);
}
