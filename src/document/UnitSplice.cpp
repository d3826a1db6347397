#include "document/UnitSplice.h"

#include "document/MarkupText.h"
#include "document/SplicePatterns.h"

namespace {

using Range = IcuRegex::Range;

QString readAs(QStringView text, const Range &range)
{
    return MarkupText::decode(text.sliced(range.start, range.length)).trimmed();
}

std::optional<QString> currentNote(QStringView text, const std::vector<Range> &groups)
{
    for (const int g : {SplicePatterns::NoteAfter, SplicePatterns::NoteBefore}) {
        if (groups[size_t(g)].start >= 0)
            return readAs(text, groups[size_t(g)]);
    }
    return std::nullopt;
}

} // namespace

std::optional<TextEdit> UnitSplice::insertion(const std::vector<Range> &groups,
                                              const UnitRecord &row)
{
    if (!row.tget)
        return std::nullopt;
    const Range &lineFeed = groups[SplicePatterns::insertionGroup];
    return TextEdit{lineFeed.start, lineFeed.length,
                    SplicePatterns::targetLine(MarkupText::escapeText(*row.tget))};
}

std::vector<TextEdit> UnitSplice::update(QStringView text, const std::vector<Range> &groups,
                                         const UnitRecord &row, UnitValues &before)
{
    // A range's own text can differ from what the reader made of it (an element nested in
    // it, text between elements); then the reader's value of the unit decides.
    const auto readerHas = [&](UnitRecord::Key key, const QString &value) {
        const UnitRecord *unit = before.unitOf(row);
        return unit && unit->value(key) == value;
    };
    const bool noteChanged = row.note && currentNote(text, groups) != row.note &&
                             !readerHas(UnitRecord::Key::Note, *row.note);
    std::vector<TextEdit> edits;
    for (const int g :
         {SplicePatterns::NoteBefore, SplicePatterns::Target, SplicePatterns::NoteAfter}) {
        const Range &range = groups[size_t(g)];
        if (range.length == 0)
            continue;
        const bool isTarget = g == SplicePatterns::Target;
        if (!isTarget && !noteChanged)
            continue;
        const std::optional<QString> &value = isTarget ? row.tget : row.note;
        if (!value || readAs(text, range) == *value)
            continue;
        if (isTarget && readerHas(UnitRecord::Key::Tget, *value))
            continue;
        edits.push_back({range.start, range.length, MarkupText::escapeText(*value)});
    }
    return edits;
}

void UnitSplice::apply(QString &text, const std::vector<TextEdit> &edits)
{
    qsizetype shift = 0;
    for (const TextEdit &edit : edits) {
        text.replace(edit.start + shift, edit.length, edit.replacement);
        shift += edit.replacement.size() - edit.length;
    }
}
