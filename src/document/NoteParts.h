#pragma once

#include <QList>
#include <QString>

/// The parts of a note that Interface Builder writes, such as
/// `Class = "NSMenuItem"; title = "Quit"; ObjectID = "58";`: each key with its value.
/// A note of another shape has no parts.
class NoteParts
{
public:
    struct Part
    {
        QString key;
        QString value;
        bool operator==(const Part &) const = default;
    };

    static QList<Part> split(QStringView note);
};
