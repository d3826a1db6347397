#pragma once

#include <QString>
#include <QStringView>

/// A BCP 47 language tag as the memory keeps it: "ja", "pt-BR", "zh-Hant-TW". Tags are
/// compared without regard to case or to "_" in place of "-", and matched by their
/// language first: "ja" finds "ja-JP", and the same region is preferred among equals.
namespace LanguageTag {

/// The tag in one spelling: separators as "-", language lower case, a region upper case,
/// a script title case ("zh_hant_tw" gives "zh-Hant-TW"); empty for an empty tag.
QString normalized(QStringView tag);

/// The language subtag alone, lower case: "pt" of "pt-BR".
QString language(QStringView tag);

/// Whether two tags name the same language and, where both name one, the same region,
/// script and variant: exactly the same tag once normalised.
bool same(QStringView a, QStringView b);

} // namespace LanguageTag
