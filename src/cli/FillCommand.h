#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli fill PATH [-o OUT] [--dictionary FILE]`: fills the targets from the replacement
/// dictionary and saves the document.
class FillCommand
{
public:
    explicit FillCommand(CliTool &tool) : m_tool(tool) {}

    /// Runs the command; `arguments` follow the command's name. Returns the exit status.
    int run(const QStringList &arguments);

private:
    CliTool &m_tool;
};
