#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli carry EARLIER PATH [-o OUT] [--overwrite]`: fills the untranslated units of
/// PATH from an earlier translation and saves as `apply` does, the counts on standard error.
class CarryCommand
{
public:
    explicit CarryCommand(CliTool &tool) : m_tool(tool) {}

    /// Runs the command; `arguments` follow the command's name. Returns the exit status.
    int run(const QStringList &arguments);

private:
    CliTool &m_tool;
};
