#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli units PATH`: prints every unit of a document as one JSON line each.
class UnitsCommand
{
public:
    explicit UnitsCommand(CliTool &tool) : m_tool(tool) {}

    /// Runs the command; `arguments` follow the command's name. Returns the exit status.
    int run(const QStringList &arguments);

private:
    CliTool &m_tool;
};
