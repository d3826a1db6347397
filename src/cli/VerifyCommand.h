#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli verify EDITED ORIGINAL`: proves an edited export differs from its original only
/// in targets and lists the units whose target changed.
class VerifyCommand
{
public:
    explicit VerifyCommand(CliTool &tool) : m_tool(tool) {}

    /// Runs the command; `arguments` follow the command's name. Returns the exit status.
    int run(const QStringList &arguments);

private:
    CliTool &m_tool;
};
