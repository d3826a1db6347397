#include "ExportGenerator.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

// Titles Xcode writes into a MainMenu export, and ordinary strings.
constexpr const char *titles[] = {
    "About Atlas",
    "Preferences…",
    "Services",
    "Hide Atlas",
    "Hide Others",
    "Show All",
    "Quit Atlas",
    "File",
    "New",
    "Open…",
    "Open Recent",
    "Clear Menu",
    "Close",
    "Save…",
    "Save As…",
    "Revert to Saved",
    "Page Setup…",
    "Print…",
    "Edit",
    "Undo",
    "Redo",
    "Cut",
    "Copy",
    "Paste",
    "Delete",
    "Select All",
    "Find",
    "Find…",
    "Find Next",
    "Window",
    "Minimize",
    "Zoom",
    "Bring All to Front",
    "Help",
    "Atlas Help",
    "Format",
    "Font",
    "Bold",
    "Italic",
    "Underline",
    "Bigger",
    "Smaller",
    "View",
    "Show Toolbar",
    "Enter Full Screen",
};
constexpr const char *phrases[] = {
    "Welcome back, %@!",
    "%lld items",
    "Rock & Roll",
    "Tap <Start> to begin",
    "Could not connect to the server.",
    "Are you sure you want to delete \"%@\"?",
    "Settings",
    "Downloading %1$@ of %2$@",
    "Done",
    "Cancel",
};
// Strings-table sources, where the source text is also the key.
constexpr const char *sentences[] = {
    "Tap \"Share\" & then \"Copy\"",
    "Save changes to \"%@\"?",
    "Sync & Backup <Beta>",
    "Remove \"%1$@\" from \"%2$@\"?",
    "Search \"%@\" in Photos & Videos",
    "%lld of %lld files — please wait",
    "Terms & Conditions",
    "Press <Return> to confirm",
};

QByteArray escaped(QByteArray text)
{
    return text.replace('&', "&amp;").replace('<', "&lt;").replace('>', "&gt;");
}

QByteArray quoted(QByteArray text)
{
    return escaped(std::move(text)).replace('"', "&quot;");
}

QByteArray objectId(QRandomGenerator &random)
{
    static constexpr char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray id;
    for (int part = 0; part < 3; ++part) {
        if (part > 0)
            id += '-';
        for (int i = 0; i < (part == 1 ? 2 : 3); ++i)
            id += alphabet[random.bounded(int(sizeof(alphabet) - 1))];
    }
    return id;
}

struct Unit
{
    QByteArray id;
    QByteArray source;
    QByteArray note;
    bool menuItem = false;
};

Unit nextUnit(QRandomGenerator &random, qsizetype n)
{
    Unit unit;
    unit.menuItem = random.bounded(3) != 0;
    if (unit.menuItem) {
        unit.source = titles[random.bounded(int(std::size(titles)))];
        const QByteArray object = objectId(random);
        unit.id = object + ".title";
        unit.note = "Class = \"NSMenuItem\"; title = \"" + escaped(unit.source) +
                    "\"; ObjectID = \"" + object + "\";";
    } else {
        unit.source = phrases[random.bounded(int(std::size(phrases)))];
        unit.source += ' ' + QByteArray::number(n);
        unit.id = escaped(unit.source).replace('"', "&quot;");
        unit.note = "No comment provided by engineer.";
    }
    return unit;
}

/// A strings-table unit: its source text is its id, and its note quotes it.
Unit sentenceUnit(QRandomGenerator &random, qsizetype n)
{
    Unit unit;
    unit.source = sentences[random.bounded(int(std::size(sentences)))];
    unit.source += " (" + QByteArray::number(n) + ')';
    unit.id = quoted(unit.source);
    unit.note = "Shown in the \"" + unit.source.first(8) + "\" sheet & menu.";
    unit.note = quoted(unit.note);
    return unit;
}

void writeUnit(QByteArray &out, QRandomGenerator &random, const Unit &unit,
               const ExportGenerator::Options &options)
{
    const int shape = options.variety ? random.bounded(8) : 0;
    const bool preserve = shape != 1;
    out += "      <trans-unit id=\"" + unit.id + "\"" +
           (preserve ? " xml:space=\"preserve\"" : "") + ">\n";
    out += "        <source>" + escaped(unit.source) + (shape == 2 ? "\nsecond line" : "") +
           "</source>\n";
    switch (random.bounded(100) < options.untranslatedPercent ? 0 : 1 + random.bounded(2)) {
    case 0:
        break; // no target yet
    case 1:
        out += shape == 3 ? "        <target/>\n"
               : shape == 4
                   ? "        <target state=\"new\">" + escaped(unit.source) + "</target>\n"
                   : "        <target>" + escaped(unit.source) + "</target>\n";
        break;
    default:
        out += "        <target>" + escaped(unit.source) + " (訳)</target>\n";
    }
    out +=
        shape == 5 ? QByteArray("        <note/>\n") : "        <note>" + unit.note + "</note>\n";
    out += "      </trans-unit>\n";
}

} // namespace

QByteArray ExportGenerator::generate(const Options &options)
{
    QRandomGenerator random(options.seed);
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<xliff xmlns=\"urn:oasis:names:tc:xliff:document:1.2\" version=\"1.2\">\n";
    out.reserve(options.units * 300);
    const qsizetype perFile =
        options.files > 0
            ? std::max<qsizetype>(1, (options.units + options.files - 1) / options.files)
            : options.unitsPerFile;
    const QByteArray kind = options.markup ? "Localizable.strings" : "Part.xib";
    Unit previous;
    for (qsizetype n = 0; n < options.units; ++n) {
        if (n % perFile == 0) {
            if (n > 0)
                out += "    </body>\n  </file>\n";
            out += "  <file original=\"Atlas/Base.lproj/" + QByteArray::number(n / perFile) + '/' +
                   kind +
                   "\" source-language=\"en\" target-language=\"ja\" datatype=\"plaintext\">\n"
                   "    <header>\n      <tool tool-id=\"com.apple.dt.xcode\" tool-name=\"Xcode\" "
                   "tool-version=\"15.0\" build-num=\"15A240d\"/>\n    </header>\n    <body>\n";
        }
        // Xcode repeats ids across files; so does every 50th unit here.
        const Unit unit = (n % 50 == 49)   ? previous
                          : options.markup ? sentenceUnit(random, n)
                                           : nextUnit(random, n);
        writeUnit(out, random, unit, options);
        previous = unit;
    }
    if (options.units > 0)
        out += "    </body>\n  </file>\n";
    out += "</xliff>\n";
    return out;
}

QByteArray ExportGenerator::editEveryTarget(qsizetype units)
{
    QByteArray out;
    out.reserve(units * 40);
    for (qsizetype n = 0; n < units; ++n)
        out += "{\"port\": " + QByteArray::number(n) + ", \"tget\": \"訳 " + QByteArray::number(n) +
               " & <x>\"}\n";
    return out;
}
