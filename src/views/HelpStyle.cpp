#include "views/HelpStyle.h"

using namespace Qt::StringLiterals;

QString HelpStyle::separator()
{
    return u"\n\n"_s;
}

HelpStyle::Kind HelpStyle::kindOf(qsizetype position, const QString &text)
{
    if (position == 0)
        return Kind::Title;
    if (text.endsWith(u'.') || text.endsWith(QChar(0x3002)))
        return Kind::Body;
    return Kind::Heading;
}

HelpStyle::Layout HelpStyle::layout(const QStringList &paragraphs)
{
    Layout result;
    result.paragraphs.reserve(paragraphs.size());
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        const QString &text = paragraphs.at(i);
        Paragraph paragraph{text + separator(), kindOf(i, text)};
        result.text += paragraph.text;
        result.paragraphs.append(std::move(paragraph));
    }
    return result;
}
