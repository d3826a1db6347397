#pragma once

#include <QStringList>

#include <memory>

class CliTool;
class MemoryStore;
class NamedOptions;

/// `tarnwick-cli memory import|export|lookup|stats|delete …`: the translation memory for
/// scripts and CI. Every sub-command takes `--memory DB`, the user's memory by default.
class MemoryCommand
{
public:
    explicit MemoryCommand(CliTool &tool) : m_tool(tool) {}

    int run(const QStringList &arguments);

    /// Opens the memory at `path` (the user's when empty), telling on standard error when a
    /// damaged one was moved aside; nothing, reported, when none could be opened.
    static std::unique_ptr<MemoryStore> openStore(CliTool &tool, const QString &path);

private:
    int exportEntries(const QStringList &arguments);
    int stats(const QStringList &arguments);
    int remove(const QStringList &arguments);

    CliTool &m_tool;
};
