#pragma once

#include <QByteArrayView>
#include <QString>

/// The properties the fuzz targets hold the core to. Each check returns an empty text when
/// the input kept every property, else what broke; the fuzz targets abort on a non-empty
/// text, and the regression suite replays every saved input through the same checks.
namespace FuzzChecks {

/// Reading any bytes ends with units or with a located error, never a crash; what reads
/// as complete also decodes as the UTF-8 the writer needs; read in two parts at once, the
/// bytes give the same units, files or error as in one piece.
QString reader(QByteArrayView bytes);

/// Splicing edits derived from the input into the input: when the input reads, the output
/// is absent with a reason, or reads back with every edited target (or reports the unit as
/// unwritten) and every other unit as it was, the read-back in two parts finding what it
/// finds in one; a second save of the same rows changes nothing.
QString writer(QByteArrayView bytes);

/// The hand-written matcher of the splice patterns gives what the regular expressions give,
/// group by group, wherever it does not leave the decision to them: on the whole input as
/// a unit's bytes and on the bytes after each unit start tag up to the next one. `stretches`
/// and `asked`, when given, count the stretches and those it left to the expressions.
QString matcher(QByteArrayView bytes, qsizetype *stretches = nullptr, qsizetype *asked = nullptr);

/// Any bytes as a stored dictionary file and as JSON Lines: whatever reads writes back to
/// the same entries, so a save never loses or changes an entry.
QString dictionary(QByteArrayView bytes);

/// Any bytes as a recovery journal: every entry read writes back to the same entry, and a
/// journal cut after any line keeps every entry before the cut.
QString journal(QByteArrayView bytes);

/// Any bytes as edit lines: what the quick flat reader takes is JSON by the standard and
/// reads as Qt's parser reads it; a list is taken only when every line is JSON.
QString editLines(QByteArrayView bytes);

} // namespace FuzzChecks
