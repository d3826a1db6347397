#pragma once

#include "carryover/CarryOver.h"

#include <QStringList>

class CliTool;

/// `tarnwick-cli carry EARLIER PATH [-o OUT] [--overwrite] [--exact-only] [--json]`: fills the
/// untranslated units of PATH from an earlier translation and saves as `apply` does, the
/// counts on standard error; `--json` lists each filled unit on standard output.
class CarryCommand
{
public:
    explicit CarryCommand(CliTool &tool) : m_tool(tool) {}

    /// Runs the command; `arguments` follow the command's name. Returns the exit status.
    int run(const QStringList &arguments);

private:
    void reportCounts(const CarryOver::Counts &counts);

    CliTool &m_tool;
};
