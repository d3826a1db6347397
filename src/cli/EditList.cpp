#include "cli/EditList.h"

#include "dictionary/JsonText.h"
#include "document/DocumentFile.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("EditList", text);
}

std::optional<EditList::Edit> parseEdit(const QJsonObject &object, QString *error)
{
    EditList::Edit edit;
    const QJsonValue tget = object.value(u"tget"_s);
    if (!tget.isString()) {
        *error = tr("\"tget\" must be a string");
        return std::nullopt;
    }
    edit.tget = tget.toString();
    const QJsonValue port = object.value(u"port"_s);
    if (!port.isUndefined()) {
        const double number = port.toDouble(-1);
        if (!port.isDouble() || number < 0 || number != double(qint64(number))) {
            *error = tr("\"port\" must be a whole number from 0 on");
            return std::nullopt;
        }
        edit.port = quint64(number);
        return edit;
    }
    const QJsonValue name = object.value(u"name"_s);
    const QJsonValue from = object.value(u"from"_s);
    if (!name.isString() || !(from.isString() || from.isUndefined())) {
        *error = tr("an edit needs \"port\", or \"name\" (and \"from\") as strings");
        return std::nullopt;
    }
    edit.name = name.toString();
    if (from.isString())
        edit.from = from.toString();
    return edit;
}

} // namespace

std::optional<EditList> EditList::parse(QByteArrayView jsonLines, QString *error)
{
    EditList list;
    int lineNumber = 0;
    for (const QByteArrayView line : QByteArray(jsonLines.toByteArray()).split('\n')) {
        ++lineNumber;
        if (line.trimmed().isEmpty())
            continue;
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(
            JsonText::escapeByteOrderMarks(line.toByteArray()), &parseError);
        QString reason;
        std::optional<Edit> edit;
        if (!document.isObject())
            reason = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                  : tr("not a JSON object");
        else
            edit = parseEdit(document.object(), &reason);
        if (!edit) {
            *error = tr("line %1: %2").arg(lineNumber).arg(reason);
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
    const bool byId = std::ranges::any_of(m_edits, [](const Edit &edit) { return !edit.port; });
    if (byId) {
        byName.reserve(qsizetype(rows.size()));
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].name)
                byName[*rows[i].name].push_back(i);
        }
    }
    for (const Edit &edit : m_edits) {
        UnitRecord *row = nullptr;
        if (edit.port) {
            if (*edit.port < rows.size())
                row = &rows[*edit.port];
        } else {
            for (const size_t i : byName.value(edit.name)) {
                if (!edit.from || rows[i].from == edit.from) {
                    row = &rows[i];
                    break;
                }
            }
        }
        if (!row) {
            *error = tr("line %1: no such unit in the file").arg(edit.line);
            return false;
        }
        row->tget = edit.tget;
    }
    return true;
}
