#pragma once

#include <QStringList>

#include <vector>

class CliTool;
class MemoryStore;
struct MemoryEntry;

/// `tarnwick-cli memory import FILE… [--memory DB]`: adds TMX files and the translated units
/// of Xcode exports to the memory, telling for each file what it added, what it skipped and
/// why.
class MemoryImportCommand
{
public:
    explicit MemoryImportCommand(CliTool &tool) : m_tool(tool) {}

    int run(const QStringList &arguments);

private:
    /// Imports one file; false when it could not be read or stored.
    bool importFile(MemoryStore &store, const QString &path);
    bool importTmx(MemoryStore &store, const QString &path);
    bool importExport(MemoryStore &store, const QString &path);
    /// Stores the entries and prints what was added; false when the store failed.
    bool store(MemoryStore &store, const QString &path, const std::vector<MemoryEntry> &entries,
               const QStringList &skipped);

    CliTool &m_tool;
};
