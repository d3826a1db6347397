#pragma once

#include <QString>

#include <optional>

/// One translation unit of the open file. Absent and empty differ: a unit whose
/// `<target/>` is empty has an empty `tget`, a unit without `<target>` has none.
struct UnitRecord
{
    /// The record's text keys, for code that handles several of them alike.
    enum class Key
    {
        From,
        Name,
        Srcs,
        Tget,
        Note,
        Part
    };

    std::optional<QString> from; ///< `original` of the enclosing `<file>`
    std::optional<QString> name; ///< the unit's `id`
    std::optional<QString> srcs; ///< source text, trimmed
    std::optional<QString> tget; ///< target text, trimmed, or as the user typed it
    /// The source as the file holds it (decoded, blanks kept) where that differs from `srcs`.
    std::optional<QString> srcsRaw;
    /// The target as the file holds it where that differs from `tget`; gone once the target
    /// is set (`setTarget`), since a typed or carried target is kept as it is.
    std::optional<QString> tgetRaw;
    std::optional<QString> note;  ///< text of the unit's last `<note>`, trimmed
    std::optional<QString> part;  ///< class named by the note, e.g. "NSMenuItem"
    std::optional<QString> state; ///< the target's `state` attribute, e.g. "new", "translated"
    quint64 port = 0;             ///< zero-based position of the unit in the file
    bool translatable = true;     ///< false where the unit says translate="no"
    /// Index of the enclosing `<file>` in the document's file headers; -1 outside any.
    qint32 file = -1;

    const std::optional<QString> &value(Key key) const;

    /// The source with its leading and trailing blanks: what checks compare and copies take.
    const std::optional<QString> &rawSource() const { return srcsRaw ? srcsRaw : srcs; }
    /// The target with its blanks: what checks compare and carry-over copies.
    const std::optional<QString> &rawTarget() const { return tgetRaw ? tgetRaw : tget; }
    /// Sets the target as given (blanks kept), dropping the file's own text of it.
    void setTarget(std::optional<QString> text)
    {
        tget = std::move(text);
        tgetRaw.reset();
    }
};
