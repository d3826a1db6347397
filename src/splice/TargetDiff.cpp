#include "splice/TargetDiff.h"

#include "files/DocumentFile.h"
#include "xliff/UnitLocator.h"

#include <QCoreApplication>

namespace {

using Range = UnitLayout::Range;

struct Side
{
    QString text;
    std::vector<UnitLayout> layouts;
};

std::optional<Side> load(QByteArrayView bytes, QString *problem)
{
    auto text = DocumentFile::decodeUtf8(bytes);
    if (!text) {
        *problem = QCoreApplication::translate("TargetDiff", "not valid UTF-8");
        return std::nullopt;
    }
    UnitLocator::Result located = UnitLocator::locate(bytes);
    if (!located.complete) {
        *problem = located.errorString;
        return std::nullopt;
    }
    if (located.nestedUnits) {
        *problem = QCoreApplication::translate("TargetDiff", "units stand inside other units");
        return std::nullopt;
    }
    return Side{std::move(*text), std::move(located.units)};
}

/// A target inserted into a unit that had none takes the white space before it along.
Range insertedTarget(QStringView text, Range target)
{
    while (target.begin > 0 && text[target.begin - 1].isSpace())
        --target.begin;
    return target;
}

void locate(TargetDiff::Result &result, QStringView text, qsizetype position)
{
    const QStringView before = text.first(position);
    result.line = before.count(u'\n') + 1;
    result.column = position - (before.lastIndexOf(u'\n') + 1) + 1;
}

/// Compares two stretches; false and the position in `edited` when they differ.
bool same(QStringView edited, QStringView original, qsizetype *at)
{
    const qsizetype common = std::min(edited.size(), original.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (edited[i] != original[i]) {
            *at = i;
            return false;
        }
    }
    *at = common;
    return edited.size() == original.size();
}

} // namespace

TargetDiff::Result TargetDiff::compare(QByteArrayView editedBytes, QByteArrayView originalBytes)
{
    Result result;
    const auto edited = load(editedBytes, &result.problem);
    if (!edited)
        return result;
    const auto original = load(originalBytes, &result.problem);
    if (!original)
        return result;
    if (edited->layouts.size() != original->layouts.size()) {
        result.problem =
            QCoreApplication::translate("TargetDiff", "the files hold different numbers of units");
        return result;
    }
    qsizetype e = 0;
    qsizetype o = 0;
    const auto compareUpTo = [&](qsizetype editedEnd, qsizetype originalEnd) {
        qsizetype at = 0;
        if (same(QStringView(edited->text).sliced(e, editedEnd - e),
                 QStringView(original->text).sliced(o, originalEnd - o), &at))
            return true;
        locate(result, edited->text, e + at);
        return false;
    };
    for (size_t i = 0; i < edited->layouts.size(); ++i) {
        const auto &editedTarget = edited->layouts[i].target;
        const auto &originalTarget = original->layouts[i].target;
        if (!editedTarget)
            continue; // a target removed shows as a difference outside targets
        const Range cutEdited = originalTarget ? editedTarget->whole
                                               : insertedTarget(edited->text, editedTarget->whole);
        const Range cutOriginal = originalTarget
                                      ? originalTarget->whole
                                      : Range{cutEdited.begin - e + o, cutEdited.begin - e + o};
        if (!compareUpTo(cutEdited.begin, cutOriginal.begin))
            return result;
        const QStringView editedElement =
            QStringView(edited->text)
                .sliced(editedTarget->whole.begin,
                        editedTarget->whole.end - editedTarget->whole.begin);
        const QStringView originalElement =
            originalTarget ? QStringView(original->text)
                                 .sliced(originalTarget->whole.begin,
                                         originalTarget->whole.end - originalTarget->whole.begin)
                           : QStringView();
        if (!originalTarget || editedElement != originalElement) {
            const UnitLayout &unit = edited->layouts[i];
            result.changed.push_back({unit.from, unit.name, quint64(i)});
        }
        e = cutEdited.end;
        o = cutOriginal.end;
    }
    if (!compareUpTo(edited->text.size(), original->text.size()))
        return result;
    result.onlyTargets = true;
    return result;
}
