#include "checks/AcceptedWarnings.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("AcceptedWarnings", text);
}

/// The key's four parts, joined by U+0001, which XML text can't hold; an absent part is
/// U+0002, so it differs from an empty one.
constexpr QChar separator = u'\x01';
constexpr QChar absent = u'\x02';

QString part(const std::optional<QString> &value)
{
    return value ? *value : QString(absent);
}

std::optional<QString> fromPart(QStringView text)
{
    return text == QStringView(&absent, 1) ? std::nullopt : std::optional(text.toString());
}

std::optional<QString> stringOf(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    return value.isString() ? std::optional(value.toString()) : std::nullopt;
}

} // namespace

std::optional<AcceptedWarnings> AcceptedWarnings::load(const QString &path, QString *error)
{
    AcceptedWarnings accepted;
    QFile file(path);
    if (!file.exists())
        return accepted;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = u"%1: %2"_s.arg(path, file.errorString());
        return std::nullopt;
    }
    qsizetype number = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        ++number;
        if (line.trimmed().isEmpty())
            continue;
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        const std::optional<QString> check = stringOf(object, u"check"_s);
        if (!check) {
            *error = u"%1:%2: %3"_s.arg(path).arg(number).arg(
                tr("expected an object with the text \"check\""));
            return std::nullopt;
        }
        accepted.m_keys.insert(keyOf(stringOf(object, u"from"_s), stringOf(object, u"name"_s),
                                     *check, stringOf(object, u"srcs"_s)));
    }
    return accepted;
}

bool AcceptedWarnings::accepts(const UnitRecord &unit, const Problem &problem) const
{
    return problem.severity == Problem::Severity::Warning &&
           m_keys.contains(keyOf(unit.from, unit.name, problem.check, unit.srcs));
}

bool AcceptedWarnings::accept(const UnitRecord &unit, const QString &check)
{
    const QString key = keyOf(unit.from, unit.name, check, unit.srcs);
    if (m_keys.contains(key))
        return false;
    m_keys.insert(key);
    return true;
}

bool AcceptedWarnings::revoke(const UnitRecord &unit, const QString &check)
{
    return m_keys.remove(keyOf(unit.from, unit.name, check, unit.srcs));
}

bool AcceptedWarnings::save(const QString &path, QString *error) const
{
    QStringList keys(m_keys.begin(), m_keys.end());
    std::sort(keys.begin(), keys.end()); // the same warnings give the same file
    QByteArray text;
    for (const QString &key : std::as_const(keys)) {
        const QList<QStringView> parts = QStringView(key).split(separator);
        QJsonObject object{{u"check"_s, parts[2].toString()}};
        const std::pair<QString, std::optional<QString>> optional[] = {
            {u"from"_s, fromPart(parts[0])},
            {u"name"_s, fromPart(parts[1])},
            {u"srcs"_s, fromPart(parts[3])}};
        for (const auto &[name, value] : optional) {
            if (value)
                object.insert(name, *value);
        }
        text += QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = u"%1: %2"_s.arg(path, file.errorString());
        return false;
    }
    return true;
}

QString AcceptedWarnings::keyOf(const std::optional<QString> &from,
                                const std::optional<QString> &name, const QString &check,
                                const std::optional<QString> &source)
{
    return part(from) + separator + part(name) + separator + check + separator + part(source);
}
