#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <vector>

/// A place where an export can be cut in two so that each part is parsed on a core of its
/// own: just before a `<trans-unit` start tag near the middle, between units. The second
/// part is parsed after the start tags of the elements open there, so its parser starts in
/// the state the whole document's parser would be in at the cut. Finding the cut is a quick
/// scan of the tags before it; it is a proposal that the first part's real parse confirms
/// or rejects, never a proof.
struct DocumentCut
{
    qsizetype at = 0; ///< offset of the `<trans-unit` start tag the second part begins with
    /// Offsets of the start tags of the elements open at the cut, outermost first.
    std::vector<qsizetype> openTags;
    /// Offset of the last `<file>` start tag before the cut, which is open there; -1 if none.
    qsizetype fileTag = -1;
    quint64 unitsBefore = 0; ///< `trans-unit` elements that start before the cut
    QByteArray opening;      ///< the open elements' start tags, to lead the second part
    QByteArray closing;      ///< their end tags, innermost first, to end the first part

    /// Where to cut: the first `<trans-unit` start tag a little past the middle, where the
    /// second part, which first has to scan the first, is as quick as the first; -1 if none.
    static qsizetype place(QByteArrayView bytes);

    /// The cut at `at`, or none where the scan cannot tell the elements open there (a
    /// comment or a document type declaration across it, a unit, source, target or note
    /// open there, units after a closed `<file>`) or there is no unit before it.
    static std::optional<DocumentCut> scan(QByteArrayView bytes, qsizetype at);

    /// `scan` at `place`.
    static std::optional<DocumentCut> find(QByteArrayView bytes);
};
