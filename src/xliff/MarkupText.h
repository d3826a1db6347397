#pragma once

#include <QString>
#include <QStringView>

#include <optional>

/// Conversions between plain text and the character data of an XLIFF file.
namespace MarkupText {

/// Escapes text for character data as Xcode writes it: `&`, `<` and `>`; quotes stay; a
/// carriage return becomes `&#13;`, the one line break a parser would not read back as is.
QString escapeText(QStringView text);

/// The first character that XML 1.0 text cannot hold (a C0 control other than tab and line
/// breaks, U+FFFE, U+FFFF or half of a surrogate pair), or nothing.
std::optional<char32_t> unwritableCharacter(QStringView text);

/// Escapes an attribute value as Xcode writes it: `&`, the double quote, `<` and `>`.
QString escapeAttribute(QStringView text);

/// The text a parser reports for a stretch of markup: entity and character references
/// resolved, CDATA sections unwrapped, tags dropped, line ends normalised to line feeds.
QString decode(QStringView markup);

} // namespace MarkupText
