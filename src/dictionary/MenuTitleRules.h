#pragma once

#include <QString>
#include <QStringView>

#include <optional>

/// The four standard menu titles that carry the application's name: "About X", "Quit X",
/// "Hide X" (but not "Hide Others") and "X Help". The name is kept exactly as the title
/// spells it and set into the Japanese title.
///
/// Each rule is an anchored pattern over the whole title ("^About .+$" and so on): the
/// name must be at least one character, matching is case-sensitive, and no part of the title
/// may be a line break, because "." stops at line terminators. Cuts count UTF-16 units.
class MenuTitleRules
{
public:
    /// The class name of the units the rules apply to.
    static QString menuItemClass();

    /// The Japanese title for `srcs` when one of the rules covers it and `part` is the menu
    /// item class; nothing otherwise.
    static std::optional<QString> translate(const std::optional<QString> &srcs,
                                            const std::optional<QString> &part);

    /// True when `c` is one of the line terminators a regular-expression "." does not match:
    /// LF, VT, FF, CR, NEL, LINE SEPARATOR, PARAGRAPH SEPARATOR.
    static bool isLineTerminator(QChar c);
};
