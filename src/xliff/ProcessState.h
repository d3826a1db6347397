#pragma once

#include "document/DocumentState.h"
#include "xliff/ParseState.h"

/// The values that live for the whole process. One object owns them: the application's
/// delegate in the desktop program, `main()` in the command-line tool, each test its own.
struct ProcessState
{
    DocumentState document;
    ParseState parse;
};
