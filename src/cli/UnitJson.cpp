#include "cli/UnitJson.h"

#include <QJsonDocument>

using namespace Qt::StringLiterals;

QJsonObject UnitJson::toJson(const UnitRecord &unit)
{
    using Key = UnitRecord::Key;
    QJsonObject object;
    for (const Key key : {Key::From, Key::Name, Key::Srcs, Key::Tget, Key::Note, Key::Part}) {
        if (const auto &value = unit.value(key))
            object.insert(UnitRecord::keyName(key), *value);
    }
    object.insert(u"port"_s, qint64(unit.port));
    if (!unit.translatable)
        object.insert(u"translate"_s, false);
    return object;
}

QByteArray UnitJson::toLine(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
