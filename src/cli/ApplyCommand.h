#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli apply PATH EDITS [-o OUT]`: sets the targets that a file of edit lines names
/// and saves the document.
class ApplyCommand
{
public:
    explicit ApplyCommand(CliTool &tool) : m_tool(tool) {}

    /// Runs the command; `arguments` follow the command's name. Returns the exit status.
    int run(const QStringList &arguments);

private:
    CliTool &m_tool;
};
