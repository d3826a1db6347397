#pragma once

#include <QStringList>
#include <QTextBrowser>

/// The read-only help text: thirteen translated paragraphs, each styled as title, heading
/// or body by its own final character, in the palette's text colour.
class HelpView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpView(QWidget *parent = nullptr);

    /// The paragraphs in order, as the current translation shows them.
    static QStringList paragraphs();

    /// Replaces whatever the view holds with the composed help text.
    void compose();

protected:
    void changeEvent(QEvent *event) override;

private:
    void recolour();
};
