#pragma once

#include "xliff/UnitLayout.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

/// Finds every unit's elements in a file text with one parser pass, so a unit is reached
/// by its position in the document, whatever its id or the form of its tags.
class UnitLocator
{
public:
    struct Result
    {
        bool complete = false;
        std::vector<UnitLayout> units; ///< in document order: index is the unit's `port`
        QString errorString;
        /// A unit starts inside another. The reader then numbers units by their ends and
        /// mixes the values of both into its records, so no unit can be tied to a row by
        /// position: nothing may be placed by these layouts.
        bool nestedUnits = false;
    };

    /// How positions count: UTF-16 code units of the decoded text, or bytes of the UTF-8.
    enum class Positions
    {
        Utf16,
        Utf8
    };

    /// `bytes` must be the UTF-8 form of the text whose positions are wanted.
    static Result locate(QByteArrayView bytes, Positions positions = Positions::Utf16);
};
