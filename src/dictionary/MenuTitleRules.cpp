#include "dictionary/MenuTitleRules.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The title holds no line terminator anywhere, so ".+" can span whatever the rule leaves.
bool isSingleLine(QStringView text)
{
    return std::none_of(text.begin(), text.end(), &MenuTitleRules::isLineTerminator);
}

// "^<prefix>.+$": the prefix, then at least one character.
bool startsRule(QStringView text, QStringView prefix)
{
    return text.size() > prefix.size() && text.startsWith(prefix);
}

// "^.+<suffix>$": at least one character, then the suffix.
bool endsRule(QStringView text, QStringView suffix)
{
    return text.size() > suffix.size() && text.endsWith(suffix);
}

} // namespace

QString MenuTitleRules::menuItemClass()
{
    return u"NSMenuItem"_s;
}

bool MenuTitleRules::isLineTerminator(QChar c)
{
    switch (c.unicode()) {
    case 0x000A:
    case 0x000B:
    case 0x000C:
    case 0x000D:
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

std::optional<QString> MenuTitleRules::translate(const std::optional<QString> &srcs,
                                                 const std::optional<QString> &part)
{
    if (!srcs || part != menuItemClass())
        return std::nullopt;
    const QStringView text = *srcs;
    if (!isSingleLine(text))
        return std::nullopt;

    // Tried in this order, so "About Atlas Help" is an About title.
    static constexpr QStringView about = u"About ";
    static constexpr QStringView quit = u"Quit ";
    static constexpr QStringView hide = u"Hide ";
    static constexpr QStringView help = u" Help";
    if (startsRule(text, about))
        return text.mid(about.size()).toString() + u" について"_s;
    if (startsRule(text, quit))
        return text.mid(quit.size()).toString() + u" を終了"_s;
    // "Hide Others" hides the other applications; the dictionary translates it.
    if (startsRule(text, hide) && text != u"Hide Others")
        return text.mid(hide.size()).toString() + u" を隠す"_s;
    if (endsRule(text, help))
        return text.first(text.size() - help.size()).toString() + u" ヘルプ"_s;
    return std::nullopt;
}
