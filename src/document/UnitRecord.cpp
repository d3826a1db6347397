#include "document/UnitRecord.h"

#include <array>

namespace {

struct KeyEntry
{
    UnitRecord::Key key;
    const char16_t *name;
};

constexpr std::array<KeyEntry, 6> keyNames{{
    {UnitRecord::Key::From, u"from"},
    {UnitRecord::Key::Name, u"name"},
    {UnitRecord::Key::Srcs, u"srcs"},
    {UnitRecord::Key::Tget, u"tget"},
    {UnitRecord::Key::Note, u"note"},
    {UnitRecord::Key::Part, u"part"},
}};

} // namespace

template <typename Self> auto &UnitRecord::field(Self &self, Key key)
{
    switch (key) {
    case Key::From:
        return self.from;
    case Key::Name:
        return self.name;
    case Key::Srcs:
        return self.srcs;
    case Key::Tget:
        return self.tget;
    case Key::Note:
        return self.note;
    case Key::Part:
        break;
    }
    return self.part;
}

const std::optional<QString> &UnitRecord::value(Key key) const
{
    return field(*this, key);
}

void UnitRecord::setValue(Key key, std::optional<QString> value)
{
    field(*this, key) = std::move(value);
}

QString UnitRecord::keyName(Key key)
{
    for (const auto &entry : keyNames) {
        if (entry.key == key)
            return QString::fromUtf16(entry.name);
    }
    return {};
}

std::optional<UnitRecord::Key> UnitRecord::keyFromName(QStringView name)
{
    for (const auto &entry : keyNames) {
        if (name == QStringView(entry.name))
            return entry.key;
    }
    return std::nullopt;
}
