#include "document/UnitRecord.h"

const std::optional<QString> &UnitRecord::value(Key key) const
{
    switch (key) {
    case Key::From:
        return from;
    case Key::Name:
        return name;
    case Key::Srcs:
        return srcs;
    case Key::Tget:
        return tget;
    case Key::Note:
        return note;
    case Key::Part:
        break;
    }
    return part;
}
