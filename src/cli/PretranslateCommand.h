#pragma once

#include <QStringList>

class CliTool;

/// `tarnwick-cli pretranslate PATH [--min N] [-o OUT] [--memory DB] [--exact-as-translated]`:
/// fills the untranslated units of PATH from their best match in the memory at or above the
/// minimum (100 by default), marks every filled unit for review (a 100 % match too, unless
/// `--exact-as-translated`), saves as `apply` does and prints the counts on standard error.
class PretranslateCommand
{
public:
    explicit PretranslateCommand(CliTool &tool) : m_tool(tool) {}

    int run(const QStringList &arguments);

private:
    CliTool &m_tool;
};
