#pragma once

#include <QString>
#include <QStringView>

/// The texts that tie a row to its unit in the file's own text.
namespace SplicePatterns {

/// The id quoted for a pattern: backslashes first, then `[ ] ? ( ) - + * { } ^ $ . |`,
/// so the pattern matches the id literally.
QString patternEscape(QStringView id);

/// The id written as the file writes attribute values: `&`, `"`, `<`, `>` escaped.
QString flip(QStringView id);

/// `<trans-unit id="…" xml:space="preserve">`, the only start tag the patterns accept.
QString startTag(QStringView id);

/// The unit-without-target pattern and the unit-with-target pattern for an id.
QString insertionPattern(QStringView id);
QString updatePattern(QStringView id);

/// The same two patterns without their leading start tag, for matching right after it.
QStringView insertionTail();
QStringView updateTail();

/// The line that a target inserted after `</source>` becomes (escaped value in place).
QString targetLine(QStringView escapedValue);

/// Capture groups of the update pattern that carry text.
enum UpdateGroup
{
    NoteBefore = 2,
    Target = 4,
    NoteAfter = 6
};
/// Capture group of the insertion pattern: the line feed after `</source>`.
constexpr int insertionGroup = 1;

/// How long one match may run before it counts as a failure, in ICU's steps (~ms).
constexpr int matchTimeLimit = 2000;
/// How long splicing a whole file may take, in milliseconds, before the save fails.
constexpr qint64 spliceTimeBudget = 20 * 1000;

} // namespace SplicePatterns
