#pragma once

#include "xliff/DocumentCut.h"
#include "xliff/ExpatParser.h"

#include <optional>

/// Parses a large export in two parts at once, each on a core of its own, cut between two
/// units (see `DocumentCut`). The first part is parsed from the start to the cut and then
/// closed; the second part, once the cut is scanned for, is parsed after the start tags of
/// the elements open there. The parts count as one parse only when the first part's
/// parser, at the cut, holds exactly the elements the second part was opened with and has
/// seen the `<file>` the cut assumed; each caller then checks that its own handler's state
/// there is the one the second part's handler started from. Anything else, including an
/// error in either part, means the whole document is to be parsed again in one piece,
/// which also gives the error its true line and column.
class ParallelParse
{
public:
    /// The second part's handler learns where it starts before it sees an event.
    class SecondPart : public ExpatParser::Handler
    {
    public:
        virtual void startAt(const DocumentCut &cut) = 0;
    };

    /// Documents smaller than this are parsed in one piece: a second thread would cost
    /// more to start than it saves.
    static constexpr qsizetype minimumSize = 1024 * 1024;

    /// The size from which documents are parsed in two parts: `minimumSize`, or never on a
    /// machine with one core.
    static qsizetype defaultFromSize();

    /// Parses the first part into `first` on this thread and the second into `second` on
    /// another. The cut, when both parsed and met there; none when the document is smaller
    /// than `fromSize`, has no cut, or the parts did not make one parse.
    static std::optional<DocumentCut> run(QByteArrayView bytes, qsizetype fromSize,
                                          ExpatParser::Handler &first, SecondPart &second);
};
