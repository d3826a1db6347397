#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// Decides how each paragraph of the help text is styled and what the composed text reads.
/// Pure: works on the paragraph texts as shown (after translation), needs no display.
class HelpStyle
{
public:
    enum class Kind
    {
        Title,
        Heading,
        Body
    };

    struct Paragraph
    {
        QString text; ///< the paragraph followed by the separator
        Kind kind = Kind::Body;
    };

    struct Layout
    {
        QList<Paragraph> paragraphs;
        QString text; ///< every paragraph with its separator, in order
    };

    /// Two line feeds follow every paragraph, the last one included.
    static QString separator();

    /// The first paragraph is the title; a paragraph ending in a full stop (Latin or
    /// ideographic) is body text; anything else is a heading.
    static Kind kindOf(qsizetype position, const QString &text);

    static bool isBold(Kind kind) { return kind != Kind::Body; }
    static qreal pointSize(Kind kind) { return kind == Kind::Title ? 14.0 : 12.0; }

    static Layout layout(const QStringList &paragraphs);
};
