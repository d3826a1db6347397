#pragma once

#include <QString>
#include <QStringView>

#include <vector>

/// One argument-taking specifier of an Apple format string: `%@`, `%2$lld`, `%.1f`,
/// `%#@count@`, or the `*` of a width or precision read from an argument.
struct FormatSpecifier
{
    /// The argument's place: the written `n$`, else its order among the unnumbered ones.
    int position = 0;
    bool numbered = false; ///< written with `n$`
    /// The argument's size: "" for int, "h", "hh", "L", and "64" for `l ll q z t j`, which
    /// are all 64 bits wide on Apple's platforms.
    QString size;
    /// The conversion, `@` for objects and `#@` for variable references; `i` reads as `d`,
    /// `D`, `U` and `O` as `d`, `u` and `o` of size 64.
    QString conversion;
    QString variable;    ///< the name of a `%#@name@` reference
    QStringView written; ///< the specifier as it stands in the text

    /// What a text's percent signs are.
    struct Scan
    {
        std::vector<FormatSpecifier> specifiers; ///< in order
        int escapedPercents = 0;                 ///< `%%`
        int lonePercents = 0; ///< `%` that forms no specifier: before a blank, at the end…
    };

    /// True when both read the same argument the same way.
    bool sameArgument(const FormatSpecifier &other) const;
    /// True for the conversions that take an integer (`d`, `u`, `x`, `o`, `c`).
    bool isInteger() const;
    /// Equal for specifiers that read the same argument the same way.
    QString key() const;
    /// Equal also for specifiers that differ in ways that print the same: `%lf` and `%f`,
    /// `%x` and `%X`.
    QString looseKey() const;

    /// The specifiers of `text` in order. `%%` is a literal percent sign; a `%` followed by a
    /// blank, and one that does not form a specifier, are text.
    static std::vector<FormatSpecifier> parse(QStringView text);
    /// The same, with the percent signs that are not specifiers counted.
    static Scan scan(QStringView text);
};
