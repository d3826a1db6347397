#include "dictionary/DictionaryFormat.h"

#include "files/JsonText.h"
#include "files/DocumentFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString kFormatName = u"tarnwick-dictionary"_s;

QJsonObject entryObject(const ReplacementEntry &entry)
{
    return QJsonObject{{u"srcs"_s, entry.srcs}, {u"tget"_s, entry.tget}};
}

std::optional<ReplacementEntry> entryFrom(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue srcs = object.value(u"srcs"_s);
    const QJsonValue tget = object.value(u"tget"_s);
    if (!srcs.isString() || !tget.isString())
        return std::nullopt;
    return ReplacementEntry{srcs.toString(), tget.toString()};
}

QByteArray withoutByteOrderMark(const QByteArray &text)
{
    static constexpr char bom[] = "\xEF\xBB\xBF";
    return text.startsWith(bom) ? text.mid(3) : text;
}

} // namespace

QByteArray DictionaryFormat::toJson(const ReplacementDictionary &entries)
{
    QJsonArray array;
    for (const ReplacementEntry &entry : entries)
        array.append(entryObject(entry));
    const QJsonObject root{
        {u"format"_s, kFormatName}, {u"version"_s, version}, {u"entries"_s, array}};
    return JsonText::escapeByteOrderMarks(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

DictionaryParse DictionaryFormat::fromJson(const QByteArray &text)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(
        JsonText::escapeByteOrderMarks(withoutByteOrderMark(text)), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {{},
                tr("not valid JSON (%1 at byte %2)")
                    .arg(parseError.errorString())
                    .arg(parseError.offset)};
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(u"format"_s).toString() != kFormatName)
        return {{}, tr("not a Tarnwick dictionary")};
    if (root.value(u"version"_s).toInt(-1) != version)
        return {{},
                tr("dictionary version %1 is not supported")
                    .arg(root.value(u"version"_s).toVariant().toString())};
    if (!root.value(u"entries"_s).isArray())
        return {{}, tr("the dictionary holds no list of entries")};

    DictionaryParse result;
    const QJsonArray array = root.value(u"entries"_s).toArray();
    result.entries.reserve(static_cast<std::size_t>(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
        auto entry = entryFrom(array.at(i));
        if (!entry)
            return {{}, tr("entry %1 lacks a text \"srcs\" or \"tget\"").arg(i + 1)};
        result.entries.push_back(std::move(*entry));
    }
    return result;
}

QByteArray DictionaryFormat::toJsonLines(const ReplacementDictionary &entries)
{
    QByteArray text;
    for (const ReplacementEntry &entry : entries) {
        text += JsonText::escapeByteOrderMarks(
            QJsonDocument(entryObject(entry)).toJson(QJsonDocument::Compact));
        text += '\n';
    }
    return text;
}

DictionaryParse DictionaryFormat::fromJsonLines(const QByteArray &text)
{
    DictionaryParse result;
    const QList<QByteArray> lines = withoutByteOrderMark(text).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.isEmpty())
            continue;
        const int lineNumber = static_cast<int>(i + 1);
        QJsonParseError parseError;
        const QJsonDocument document =
            QJsonDocument::fromJson(JsonText::escapeByteOrderMarks(line), &parseError);
        if (parseError.error != QJsonParseError::NoError)
            return {
                {},
                tr("line %1: not valid JSON (%2)").arg(lineNumber).arg(parseError.errorString()),
                lineNumber};
        auto entry = entryFrom(document.object());
        if (!document.isObject() || !entry)
            return {{},
                    tr("line %1: expected an object with the texts \"srcs\" and \"tget\"")
                        .arg(lineNumber),
                    lineNumber};
        result.entries.push_back(std::move(*entry));
    }
    return result;
}

DictionaryParse DictionaryFormat::readJsonLinesFile(const QString &path)
{
    // Bounded and plain files only: /dev/zero or a pipe would never end.
    const DocumentFile::Bytes file = DocumentFile::read(path);
    if (!file.error.isEmpty())
        return {{}, tr("cannot read %1: %2").arg(path, file.error)};
    DictionaryParse result = fromJsonLines(file.bytes);
    if (!result.ok())
        result.error = u"%1: %2"_s.arg(path, result.error);
    return result;
}
