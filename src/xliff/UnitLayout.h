#pragma once

#include <QString>

#include <optional>

/// Where a unit's elements stand in the file text, as UTF-16 positions (or UTF-8 bytes,
/// when asked for). A range is
/// [begin, end); an element's range covers its tags.
struct UnitLayout
{
    struct Range
    {
        qsizetype begin = -1;
        qsizetype end = -1;
        bool isValid() const { return begin >= 0; }
    };

    struct Element
    {
        Range whole;       ///< from `<` of the start tag to after the end tag
        Range startTag;    ///< the start tag, or the whole empty-element tag
        bool empty = true; ///< written as `<target/>`
        /// Inside the element, between the tags; empty at the start tag's end for `<x/>`.
        Range content() const { return {startTag.end, empty ? startTag.end : contentEnd}; }
        qsizetype contentEnd = -1;
    };

    std::optional<QString> from; ///< `original` of the enclosing `file`
    std::optional<QString> name;
    Range unit;                    ///< the whole `trans-unit` element
    Range startTag;                ///< `<trans-unit …>`
    std::optional<Element> source; ///< the unit's first `source` child
    std::optional<Element> target; ///< the unit's first `target` child
};
