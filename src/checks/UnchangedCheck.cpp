#include "checks/UnchangedCheck.h"

#include "checks/FormatSpecifier.h"
#include "checks/TextShape.h"

#include <QList>
#include <QSet>

#include <algorithm>

namespace {

/// The letters of the text outside its format specifiers (the `d` of `%d` is none).
QString lettersOf(QStringView text)
{
    QString letters;
    qsizetype from = 0;
    const auto take = [&](qsizetype end) {
        for (qsizetype i = from; i < end; ++i) {
            if (text[i].isLetter())
                letters.append(text[i]);
        }
    };
    for (const FormatSpecifier &specifier : FormatSpecifier::parse(text)) {
        const qsizetype start = specifier.written.data() - text.data();
        if (start < from)
            continue; // the `*` of a specifier already passed
        take(start);
        from = start + specifier.written.size();
    }
    take(text.size());
    return letters;
}

/// True when the source is words a translation would change: not symbols alone, nor an
/// acronym ("OK", "URL") or a unit ("km", "ft"), which most languages keep as they are.
bool hasWords(QStringView source)
{
    const QString letters = lettersOf(source);
    return letters.size() > 2 && letters != letters.toUpper();
}

/// The keys of Info.plist that name the app or its parts: a name stays as it is.
bool isNameKey(const UnitRecord &record)
{
    static constexpr QStringView keys[] = {u"CFBundleName", u"CFBundleDisplayName",
                                           u"CFBundleSpokenName", u"NSHumanReadableCopyright"};
    const QString from = record.from.value_or(QString());
    if (!record.name || !(from.endsWith(u"Info.plist") || from.contains(u"InfoPlist.")))
        return false;
    return std::find(std::begin(keys), std::end(keys), QStringView(*record.name)) != std::end(keys);
}

/// A word written as a name: a capital after a small letter (`iCloud`, `ProMotion`,
/// `YCbCr`), or letters and digits run together (`G6`, `Base32`).
bool isNameWord(QStringView word)
{
    bool lower = false;
    bool letter = false;
    bool digit = false;
    for (const QChar c : word) {
        if (c.isUpper() && lower)
            return true;
        lower = c.isLower();
        letter = letter || c.isLetter();
        digit = digit || c.isDigit();
    }
    return letter && digit;
}

/// The words of a text: its runs of letters and digits.
QList<QStringView> wordsOf(QStringView text)
{
    QList<QStringView> words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool inWord = i < text.size() && text[i].isLetterOrNumber();
        if (inWord && start < 0)
            start = i;
        if (!inWord && start >= 0) {
            words.append(text.sliced(start, i - start));
            start = -1;
        }
    }
    return words;
}

/// True when every word is a name or one of the project's terms.
bool onlyNames(QStringView text, const QSet<QString> *terms)
{
    if (terms && terms->contains(text.trimmed().toString()))
        return true;
    const QList<QStringView> words = wordsOf(text);
    return !words.isEmpty() && std::all_of(words.begin(), words.end(), [&](QStringView word) {
        return isNameWord(word) || (terms && terms->contains(word.toString()));
    });
}

/// Texts a translation keeps as they are: names, addresses and copyright lines.
bool keptAsIs(const CheckedUnit &unit)
{
    if (isNameKey(unit.record) || TextShape::isCopyright(unit.source))
        return true;
    const QString rest = TextShape::withoutAddresses(unit.source);
    return !hasWords(rest) || onlyNames(rest, unit.terms);
}

} // namespace

std::optional<Finding> UnchangedCheck::inspect(const CheckedUnit &unit) const
{
    if (!unit.languages.translates() || unit.target != unit.source || !hasWords(unit.source) ||
        keptAsIs(unit))
        return std::nullopt;
    return Finding(tr("The target is the same as the source."));
}
