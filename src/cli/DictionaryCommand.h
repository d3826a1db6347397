#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli dictionary [--builtin]`: prints the dictionary in use, or the built-in one, as
/// JSON lines.
class DictionaryCommand
{
public:
    explicit DictionaryCommand(CliTool &tool) : m_tool(tool) {}

    /// Runs the command; `arguments` follow the command's name. Returns the exit status.
    int run(const QStringList &arguments);

private:
    CliTool &m_tool;
};
