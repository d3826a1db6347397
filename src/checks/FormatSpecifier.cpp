#include "checks/FormatSpecifier.h"

using namespace Qt::StringLiterals;

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isFlag(QChar c)
{
    return c == u'-' || c == u'+' || c == u' ' || c == u'#' || c == u'0' || c == u'\'';
}

bool isConversion(QChar c)
{
    static constexpr QStringView conversions = u"@diuxXocCsSpeEfFgGaADUO";
    return conversions.contains(c);
}

/// Reads `n$` at `i`; returns n, or 0 (and leaves `i`) when there is none.
int readPosition(QStringView text, qsizetype &i)
{
    qsizetype j = i;
    int value = 0;
    while (j < text.size() && isDigit(text[j]) && value < 100000)
        value = value * 10 + (text[j++].unicode() - u'0');
    if (j == i || j >= text.size() || text[j] != u'$' || value == 0)
        return 0;
    i = j + 1;
    return value;
}

/// Reads a width or precision at `i`: digits, or `*` (which takes an argument of its own,
/// added to `stars`).
void readAmount(QStringView text, qsizetype &i, std::vector<FormatSpecifier> &stars)
{
    if (i < text.size() && text[i] == u'*') {
        ++i;
        FormatSpecifier star;
        star.position = readPosition(text, i);
        star.numbered = star.position > 0;
        star.conversion = u"*"_s;
        stars.push_back(std::move(star));
        return;
    }
    while (i < text.size() && isDigit(text[i]))
        ++i;
}

QString readSize(QStringView text, qsizetype &i)
{
    if (i >= text.size())
        return {};
    const QChar c = text[i];
    const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
    if (c == u'h') {
        i += next == u'h' ? 2 : 1;
        return next == u'h' ? u"hh"_s : u"h"_s;
    }
    if (c == u'l') {
        i += next == u'l' ? 2 : 1;
        return u"64"_s;
    }
    if (c == u'q' || c == u'z' || c == u't' || c == u'j') {
        ++i;
        return u"64"_s;
    }
    if (c == u'L') {
        ++i;
        return u"L"_s;
    }
    return {};
}

void normalise(FormatSpecifier &spec)
{
    const QChar c = spec.conversion.front();
    // `%i` reads as `%d`; `%D`, `%U` and `%O` are the old spellings of `%ld`, `%lu`, `%lo`.
    if (c == u'i')
        spec.conversion = u"d"_s;
    if (c == u'D' || c == u'U' || c == u'O') {
        spec.conversion = QString(c.toLower());
        spec.size = u"64"_s;
    }
}

/// Reads the specifier whose `%` is at `start`; appends it (and any `*` arguments) and
/// returns the index after it, or returns `start + 1` when the `%` is text.
qsizetype readSpecifier(QStringView text, qsizetype start, std::vector<FormatSpecifier> &out)
{
    qsizetype i = start + 1;
    FormatSpecifier spec;
    spec.position = readPosition(text, i);
    spec.numbered = spec.position > 0;
    // Xcode numbers the lone percent signs of a String Catalog too ("50%1$ off"): a
    // position that nothing follows, or a blank, is text.
    if (spec.numbered && (i >= text.size() || text[i].isSpace()))
        return start + 1;
    while (i < text.size() && isFlag(text[i])) {
        if (text[i] == u'#' && i + 1 < text.size() && text[i + 1] == u'@') {
            const qsizetype close = text.indexOf(u'@', i + 2);
            if (close < 0)
                return start + 1;
            spec.conversion = u"#@"_s;
            spec.variable = text.sliced(i + 2, close - i - 2).toString();
            spec.written = text.sliced(start, close + 1 - start);
            out.push_back(std::move(spec));
            return close + 1;
        }
        ++i;
    }
    std::vector<FormatSpecifier> stars;
    readAmount(text, i, stars);
    if (i < text.size() && text[i] == u'.') {
        ++i;
        readAmount(text, i, stars);
    }
    spec.size = readSize(text, i);
    if (i >= text.size() || !isConversion(text[i]))
        return start + 1;
    spec.conversion = QString(text[i]);
    normalise(spec);
    spec.written = text.sliced(start, i + 1 - start);
    for (FormatSpecifier &star : stars) {
        star.written = spec.written;
        out.push_back(std::move(star));
    }
    out.push_back(std::move(spec));
    return i + 1;
}

} // namespace

bool FormatSpecifier::isInteger() const
{
    return conversion.size() == 1 && u"diuxXoc"_s.contains(conversion.front());
}

QString FormatSpecifier::key() const
{
    return QString::number(position) + u'|' + size + u'|' + conversion + u'|' + variable;
}

QString FormatSpecifier::looseKey() const
{
    // Case only changes the digits' case (`%x`, `%X`); a size before a floating-point
    // conversion changes nothing (`%lf` is `%f`).
    static constexpr QStringView floating = u"eEfFgGaA";
    const bool isFloating = conversion.size() == 1 && floating.contains(conversion.front());
    const QString loose = conversion.size() == 1 && conversion != u"@"_s && conversion != u"S"_s &&
                                  conversion != u"C"_s
                              ? conversion.toLower()
                              : conversion;
    return QString::number(position) + u'|' + (isFloating ? QString() : size) + u'|' + loose +
           u'|' + variable;
}

bool FormatSpecifier::sameArgument(const FormatSpecifier &other) const
{
    return position == other.position && size == other.size && conversion == other.conversion &&
           variable == other.variable;
}

std::vector<FormatSpecifier> FormatSpecifier::parse(QStringView text)
{
    return scan(text).specifiers;
}

FormatSpecifier::Scan FormatSpecifier::scan(QStringView text)
{
    Scan found;
    std::vector<FormatSpecifier> &specifiers = found.specifiers;
    qsizetype i = text.indexOf(u'%');
    while (i >= 0 && i < text.size()) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (next == u'%') {
            ++found.escapedPercents;
            i += 2;
        } else if (next.isNull() || next.isSpace()) {
            ++found.lonePercents;
            i += 1;
        } else {
            const qsizetype after = readSpecifier(text, i, specifiers);
            found.lonePercents += after == i + 1 ? 1 : 0;
            i = after;
        }
        i = text.indexOf(u'%', i);
    }
    int order = 0;
    for (FormatSpecifier &specifier : specifiers) {
        if (!specifier.numbered)
            specifier.position = ++order;
    }
    return found;
}
