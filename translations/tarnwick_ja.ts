<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CliTool</name>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>units takes one PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>apply takes PATH and EDITS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stats takes one PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(total)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No appropriate files found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds several XLIFF files; name one of them:
  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n target(s) could not be placed:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>unit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DictionaryFormat</name>
    <message>
        <source>not valid JSON (%1 at byte %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a Tarnwick dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dictionary version %1 is not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dictionary holds no list of entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry %1 lacks a text &quot;srcs&quot; or &quot;tget&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: not valid JSON (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: expected an object with the texts &quot;srcs&quot; and &quot;tget&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DictionaryStore</name>
    <message>
        <source>The dictionary is not saved, so that the unreadable file %1 is not overwritten. Move it away and restart to save changes again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder for application data is known on this system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the dictionary to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than 256 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder stands where the file should be</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditList</name>
    <message>
        <source>not a JSON object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: no such unit in the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExpatParser</name>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document is UTF-16, not UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a document type with declarations is not accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entity declarations are not accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undefined entity &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpView</name>
    <message>
        <source>Tarnwick Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XLIFF Editor to help localizing languages in Xcode. Preconfigured dictionary for Japanese language is included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting from Xcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First, export localization files from Xcode. Select root item in the left pane&gt; Select Project&gt; select Info&gt; Add localization.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then, Menu&gt; Editor&gt; Export For Localization…&gt; Save. There you will find xcloc or xliff file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working on this app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag exported file onto this app&apos;s icon to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This app includes Japanese Dictionary for Xcode-generated standard MainMenu items. To replace with it, Menu&gt; Edit&gt; Replace With Replacement Dictionary. You can also add keys and values on your own, in preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To edit each item on the table, double click or hit return to edit &quot;Target&quot;, one by one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu&gt; File&gt; Save lets you overwrite the original XLIFF file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved xcloc or xliff can be imported into Xcode through Import Localizations… found under the export menu item.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tarnwick Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PickerSheet</name>
    <message>
        <source>Choose a File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder holds several XLIFF files. Choose one to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QORVNews</name>
    <message>
        <source>Update Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A newer version of %1 is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the product page to download it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Product Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReferenceSplicer</name>
    <message>
        <source>matching the unit &quot;%1&quot; took too long</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpliceVerifier</name>
    <message>
        <source>the new text would not be well-formed XML (line %1, column %2: %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitTableModel</name>
    <message>
        <source>This unit is marked not to be translated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XliffWriter</name>
    <message>
        <source>not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
