// The checks of the line readers: the recovery journal and the command line's edit lines.
#include "FuzzChecks.h"

#include "cli/EditList.h"
#include "cli/FlatJsonObject.h"
#include "files/StrictJson.h"
#include "recovery/RecoveryJournal.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

bool sameEntry(const JournalEntry &a, const JournalEntry &b)
{
    return a.port == b.port && a.from == b.from && a.name == b.name && a.srcs == b.srcs &&
           a.tget == b.tget && a.state == b.state && a.time == b.time;
}

constexpr QLatin1StringView editKeys[] = {QLatin1StringView("port"), QLatin1StringView("tget"),
                                          QLatin1StringView("name"), QLatin1StringView("from")};

/// Empty when the quick reading of `line` gives what a strict parser gives.
QString flatDisagrees(QByteArrayView line, const FlatJsonObject &flat)
{
    if (const auto fault = StrictJson::fault(line))
        return u"the quick reader takes what is not JSON: "_s + fault->reason;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (!document.isObject())
        return u"the quick reader takes what the full parser refuses"_s;
    const QJsonObject object = document.object();
    for (qsizetype i = 0; i < qsizetype(std::size(editKeys)); ++i) {
        const QJsonValue full = object.value(editKeys[i]);
        const FlatJsonObject::Value *value = flat.value(i);
        if (!value        ? !full.isUndefined()
            : value->text ? !full.isString() || full.toString() != *value->text
                          : !full.isDouble() || full.toDouble() != value->number)
            return u"member \"%1\" differs from the full parser's"_s.arg(editKeys[i]);
    }
    return {};
}

} // namespace

QString FuzzChecks::journal(QByteArrayView bytes)
{
    const JournalContents whole = RecoveryJournal::parse(bytes);
    // Every entry read writes back to a line that reads as the same entry.
    for (const JournalEntry &entry : whole.entries) {
        const JournalContents again = RecoveryJournal::parse(RecoveryJournal::encode(entry));
        if (again.entries.size() != 1 || !sameEntry(again.entries.front(), entry))
            return u"an entry does not read back as it was written"_s;
    }
    // Cut after any line, the journal keeps every complete entry before the cut.
    const qsizetype cut = bytes.lastIndexOf('\n', bytes.size() / 2);
    if (cut < 0)
        return {};
    const JournalContents first = RecoveryJournal::parse(bytes.first(cut + 1));
    if (first.entries.size() > whole.entries.size() ||
        !std::equal(first.entries.begin(), first.entries.end(), whole.entries.begin(), sameEntry))
        return u"a journal cut after a line loses or changes entries before the cut"_s;
    return {};
}

QString FuzzChecks::editLines(QByteArrayView bytes)
{
    // Each line on its own: what the quick reader takes is JSON and reads as Qt reads it.
    for (qsizetype start = 0; start <= bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        if (const auto flat = FlatJsonObject::parse(line, editKeys)) {
            if (QString problem = flatDisagrees(line, *flat); !problem.isEmpty())
                return problem;
        }
    }
    // The whole list: it is taken only when every non-blank line is JSON.
    QString error;
    const QByteArrayView list = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    if (!EditList::parse(bytes, &error))
        return {};
    for (const QByteArray &line : list.toByteArray().split('\n')) {
        if (!line.trimmed().isEmpty() && StrictJson::fault(line))
            return u"an edit list with a line that is not JSON was taken"_s;
    }
    return {};
}
