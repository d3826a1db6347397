#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli memory lookup --target-language L [--source-language L] [--min N]
/// [--limit K] [--memory DB]`: reads JSON Lines `{"srcs": "…"}` (with "from" and "name"
/// where the unit is known) from standard input and prints one line per query, in order:
/// `{"srcs": "…", "matches": [{"score": N, "srcs": "…", "tget": "…", "from": "…",
/// "name": "…", "project": "…"}]}`, absent keys left out.
class MemoryLookupCommand
{
public:
    explicit MemoryLookupCommand(CliTool &tool) : m_tool(tool) {}

    int run(const QStringList &arguments);

private:
    CliTool &m_tool;
};
