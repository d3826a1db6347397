#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli verify EDITED ORIGINAL`: proves an edited export differs from its original only
/// in targets (a String Catalog: only in one language) and lists the units whose target changed.
class VerifyCommand
{
public:
    explicit VerifyCommand(CliTool &tool) : m_tool(tool) {}

    /// Runs the command; `arguments` follow the command's name. Returns the exit status.
    int run(const QStringList &arguments);

private:
    /// Two String Catalogs: only the language `--language` names may differ.
    int verifyCatalog(const QStringList &arguments, const QByteArray &edited,
                      const QByteArray &original);

    CliTool &m_tool;
};
