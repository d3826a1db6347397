<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CarryCommand</name>
    <message numerus="yes">
        <source>%n suggestion(s) chosen as the most frequent of differing targets</source>
        <translation>
            <numerusform>%n suggestion chosen as the most frequent of differing targets</numerusform>
            <numerusform>%n suggestions chosen as the most frequent of differing targets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CarryOverFlow</name>
    <message numerus="yes">
        <source>%n suggestion(s) were chosen as the most frequent of differing targets.</source>
        <translation>
            <numerusform>%n suggestion was chosen as the most frequent of differing targets.</numerusform>
            <numerusform>%n suggestions were chosen as the most frequent of differing targets.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliTool</name>
    <message numerus="yes">
        <source>%1: %n target(s) could not be placed:</source>
        <translation>
            <numerusform>%1: %n target could not be placed:</numerusform>
            <numerusform>%1: %n targets could not be placed:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DocumentAlerts</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MemoryBrowser</name>
    <message numerus="yes">
        <source>%n entry(s) deleted</source>
        <translation>
            <numerusform>%n entry deleted</numerusform>
            <numerusform>%n entries deleted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) found</source>
        <translation>
            <numerusform>%n entry found</numerusform>
            <numerusform>%n entries found</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MemoryCommand</name>
    <message numerus="yes">
        <source>%n entry(s) exported</source>
        <translation>
            <numerusform>%n entry exported</numerusform>
            <numerusform>%n entries exported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) left out: they hold control characters XML cannot carry</source>
        <translation>
            <numerusform>%n entry left out: it holds control characters XML cannot carry</numerusform>
            <numerusform>%n entries left out: they hold control characters XML cannot carry</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) deleted</source>
        <translation>
            <numerusform>%n entry deleted</numerusform>
            <numerusform>%n entries deleted</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MemoryPanel</name>
    <message numerus="yes">
        <source>Use for %n other unit(s) with this source (Ctrl+Shift+U)</source>
        <translation>
            <numerusform>Use for %n other unit with this source (Ctrl+Shift+U)</numerusform>
            <numerusform>Use for %n other units with this source (Ctrl+Shift+U)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProblemStatus</name>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved. %n error(s) remain.</source>
        <translation>
            <numerusform>Saved. %n error remains.</numerusform>
            <numerusform>Saved. %n errors remain.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecoverySheet</name>
    <message numerus="yes">
        <source>Unsaved edits to “%1”: %n. The last was made on %2.</source>
        <translation>
            <numerusform>Unsaved edits to “%1”: %n. The last was made on %2.</numerusform>
            <numerusform>Unsaved edits to “%1”: %n. The last was made on %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file has changed since. These edits no longer match a unit by ID and source and will not be restored (%n):</source>
        <translation>
            <numerusform>The file has changed since. These edits no longer match a unit by ID and source and will not be restored (%n):</numerusform>
            <numerusform>The file has changed since. These edits no longer match a unit by ID and source and will not be restored (%n):</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplaceInTargets</name>
    <message numerus="yes">
        <source>Replaced in %n target(s).</source>
        <translation>
            <numerusform>Replaced in %n target.</numerusform>
            <numerusform>Replaced in %n targets.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplacementPass</name>
    <message numerus="yes">
        <source>Replaced %n target(s).</source>
        <translation>
            <numerusform>Replaced %n target.</numerusform>
            <numerusform>Replaced %n targets.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n target(s); %1 of them had another translation.</source>
        <translation>
            <numerusform>Replaced %n target; %1 of them had another translation.</numerusform>
            <numerusform>Replaced %n targets; %1 of them had another translation.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TargetEdits</name>
    <message numerus="yes">
        <source>%1 (%n Units)</source>
        <translation>
            <numerusform>%1 (%n Unit)</numerusform>
            <numerusform>%1 (%n Units)</numerusform>
        </translation>
    </message>
</context>
</TS>
