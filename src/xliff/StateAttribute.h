#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

/// The `state` attribute of a target's start tag, read and set in the file's own text.
class StateAttribute
{
public:
    /// The value Xcode writes for a target a translator still has to look at.
    static constexpr QStringView needsReview = u"needs-review-l10n";
    static constexpr QStringView translated = u"translated";

    /// The attribute's value in a start tag (`<target …`, with or without its closing `>`),
    /// as written, entities not resolved; nothing when the tag has no `state`.
    static std::optional<QStringView> valueIn(QStringView startTag);

    /// The start tag with `state` set to `value`: the old value replaced in its own quotes,
    /// or the attribute added after the last one. `startTag` ends before its `>` or `/>`.
    static QString withValue(QStringView startTag, QStringView value);

    /// Whether any target in the file carries a `state`: the exports of Xcode 15 and later
    /// do, and a target written into such a file carries one too.
    static bool usedIn(QByteArrayView fileBytes);
};
