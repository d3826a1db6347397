#include "cli/EditList.h"

#include "cli/FlatJsonObject.h"
#include "files/JsonText.h"
#include "files/StrictJson.h"
#include "files/DocumentFile.h"
#include "xliff/MarkupText.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

/// Unit numbers are read as JSON numbers, that is doubles; above 2^53 they no longer name
/// one unit each, and a double beyond a 64-bit integer must never be converted to one.
constexpr double largestPort = 9007199254740992.0;

/// One member of an edit line, as either reader saw it.
struct Field
{
    enum class Kind
    {
        Absent,
        String,
        Number,
        Other
    };
    Kind kind = Kind::Absent;
    QString text;
    double number = 0;
};

Field field(const QJsonObject &object, QStringView key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return {};
    if (value.isString())
        return {Field::Kind::String, value.toString()};
    if (value.isDouble())
        return {Field::Kind::Number, {}, value.toDouble()};
    return {Field::Kind::Other, {}, 0};
}

/// The members an edit is read from; the quick reader reads past any other.
constexpr QLatin1StringView editKeys[] = {QLatin1StringView("port"), QLatin1StringView("tget"),
                                          QLatin1StringView("name"), QLatin1StringView("from")};

Field field(const FlatJsonObject &object, QStringView key)
{
    const auto *const known =
        std::ranges::find_if(editKeys, [key](QLatin1StringView name) { return name == key; });
    if (known == std::end(editKeys))
        return {};
    const FlatJsonObject::Value *value = object.value(known - std::begin(editKeys));
    if (!value)
        return {};
    if (value->text)
        return {Field::Kind::String, *value->text};
    return {Field::Kind::Number, {}, value->number};
}

template <typename Object>
std::optional<EditList::Edit> parseEdit(const Object &object, QString *error)
{
    EditList::Edit edit;
    const Field tget = field(object, u"tget");
    if (tget.kind != Field::Kind::String) {
        *error = QCoreApplication::translate("EditList", "\"tget\" must be a string");
        return std::nullopt;
    }
    edit.tget = tget.text;
    if (const auto c = MarkupText::unwritableCharacter(edit.tget)) {
        const QString code = u"%1"_s.arg(uint(*c), 4, 16, QChar(u'0')).toUpper();
        *error = QCoreApplication::translate("EditList",
                                             "\"tget\" holds U+%1, which an XML file cannot hold")
                     .arg(code);
        return std::nullopt;
    }
    const Field port = field(object, u"port");
    if (port.kind != Field::Kind::Absent) {
        const double number = port.number;
        if (port.kind != Field::Kind::Number || !(number >= 0 && number <= largestPort) ||
            std::trunc(number) != number) {
            *error = QCoreApplication::translate("EditList",
                                                 "\"port\" must be a whole number from 0 on");
            return std::nullopt;
        }
        edit.port = quint64(number);
    }
    const Field name = field(object, u"name");
    const Field from = field(object, u"from");
    const bool nameGiven = name.kind != Field::Kind::Absent || from.kind != Field::Kind::Absent;
    if (edit.port && !nameGiven)
        return edit;
    if (name.kind != Field::Kind::String ||
        !(from.kind == Field::Kind::String || from.kind == Field::Kind::Absent)) {
        *error = QCoreApplication::translate(
            "EditList", "an edit needs \"port\", or \"name\" (and \"from\") as strings");
        return std::nullopt;
    }
    edit.name = name.text;
    if (from.kind == Field::Kind::String)
        edit.from = from.text;
    return edit;
}

/// One line's edit: read quickly where the line has the common flat shape, else by the full
/// JSON parser once the line is known to be JSON (Qt's parser takes more than JSON).
std::optional<EditList::Edit> parseLine(QByteArrayView line, QString *reason)
{
    if (const std::optional<FlatJsonObject> flat = FlatJsonObject::parse(line, editKeys))
        return parseEdit(*flat, reason);
    if (const std::optional<StrictJson::Fault> fault = StrictJson::fault(line)) {
        *reason = QCoreApplication::translate("EditList", "not JSON: %1 at column %2")
                      .arg(fault->reason)
                      .arg(fault->offset + 1);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document =
        QJsonDocument::fromJson(JsonText::escapeByteOrderMarks(line.toByteArray()), &parseError);
    if (document.isObject())
        return parseEdit(document.object(), reason);
    *reason = parseError.error != QJsonParseError::NoError
                  ? parseError.errorString()
                  : QCoreApplication::translate("EditList", "not a JSON object");
    return std::nullopt;
}

} // namespace

std::optional<EditList> EditList::parse(QByteArrayView jsonLines, QString *error)
{
    // A byte-order mark at the start is accepted, as the dictionary reader accepts it.
    if (jsonLines.startsWith("\xEF\xBB\xBF"))
        jsonLines = jsonLines.sliced(3);
    EditList list;
    list.m_edits.reserve(size_t(jsonLines.count('\n')) + 1);
    int lineNumber = 0;
    for (qsizetype start = 0; start <= jsonLines.size();) {
        qsizetype end = jsonLines.indexOf('\n', start);
        if (end < 0)
            end = jsonLines.size();
        const QByteArrayView line = jsonLines.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        QString reason;
        std::optional<Edit> edit = parseLine(line, &reason);
        if (!edit) {
            *error =
                QCoreApplication::translate("EditList", "line %1: %2").arg(lineNumber).arg(reason);
            return std::nullopt;
        }
        edit->line = lineNumber;
        list.m_edits.push_back(std::move(*edit));
    }
    return list;
}

std::optional<EditList> EditList::readFile(const QString &path, QString *error)
{
    const DocumentFile::Bytes file = DocumentFile::read(path);
    if (!file.error.isEmpty()) {
        *error = file.error;
        return std::nullopt;
    }
    return parse(file.bytes, error);
}

bool EditList::applyTo(std::vector<UnitRecord> &rows, QString *error) const
{
    // Edits by id look rows up by name; edits by position need no index.
    QHash<QString, std::vector<size_t>> byName;
    const bool byId =
        std::ranges::any_of(m_edits, [](const Edit &edit) { return edit.name.has_value(); });
    if (byId) {
        byName.reserve(qsizetype(rows.size()));
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].name)
                byName[*rows[i].name].push_back(i);
        }
    }
    const auto byIdIndex = [&](const Edit &edit) -> std::optional<size_t> {
        for (const size_t i : byName.value(*edit.name)) {
            if (!edit.from || rows[i].from == edit.from)
                return i;
        }
        return std::nullopt;
    };
    // Every edit is checked before any is applied, so a refused list changes no row.
    std::vector<size_t> targets;
    targets.reserve(m_edits.size());
    std::vector<int> editedOn(rows.size(), 0); ///< the line that edits each row, or 0
    for (const Edit &edit : m_edits) {
        std::optional<size_t> index;
        if (edit.port && *edit.port < rows.size())
            index = size_t(*edit.port);
        if (edit.name) {
            const std::optional<size_t> named = byIdIndex(edit);
            if (edit.port && named != index) {
                *error = QCoreApplication::translate(
                             "EditList", "line %1: \"port\" and \"name\" name different units")
                             .arg(edit.line);
                return false;
            }
            index = named;
        }
        if (!index) {
            *error = QCoreApplication::translate("EditList", "line %1: no such unit in the file")
                         .arg(edit.line);
            return false;
        }
        if (const int earlier = editedOn[*index]; earlier > 0) {
            *error = QCoreApplication::translate("EditList",
                                                 "line %1: the unit was already edited on line %2")
                         .arg(edit.line)
                         .arg(earlier);
            return false;
        }
        editedOn[*index] = edit.line;
        targets.push_back(*index);
    }
    for (size_t i = 0; i < m_edits.size(); ++i)
        rows[targets[i]].setTarget(m_edits[i].tget);
    return true;
}
