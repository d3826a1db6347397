#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli stats PATH`: counts the units of each file of a document and how many have a
/// target.
class StatsCommand
{
public:
    explicit StatsCommand(CliTool &tool) : m_tool(tool) {}

    /// Runs the command; `arguments` follow the command's name. Returns the exit status.
    int run(const QStringList &arguments);

private:
    CliTool &m_tool;
};
