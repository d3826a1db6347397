#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <expat.h>

#include <cstring>
#include <optional>

/// Reads a saved file as any other XML tool would: expat on its own, honouring the file's
/// declared encoding, as `xmlwf` does. Gives each unit's target in document order (nothing for
/// a unit without one), or nothing when the file is not well-formed.
namespace ExpatReadBack {

struct Targets
{
    QList<std::optional<QString>> targets;
    QByteArray text;
    bool inTarget = false;
};

inline std::optional<QList<std::optional<QString>>> targets(const QByteArray &bytes)
{
    Targets state;
    const XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(
        parser,
        [](void *data, const XML_Char *name, const XML_Char **) {
            auto &s = *static_cast<Targets *>(data);
            if (std::strcmp(name, "trans-unit") == 0)
                s.targets.append(std::nullopt);
            s.inTarget = std::strcmp(name, "target") == 0;
            s.text.clear();
        },
        [](void *data, const XML_Char *name) {
            auto &s = *static_cast<Targets *>(data);
            if (std::strcmp(name, "target") == 0 && !s.targets.isEmpty())
                s.targets.last() = QString::fromUtf8(s.text.trimmed());
            s.inTarget = false;
        });
    XML_SetCharacterDataHandler(parser, [](void *data, const XML_Char *text, int length) {
        auto &s = *static_cast<Targets *>(data);
        if (s.inTarget)
            s.text.append(text, length);
    });
    const bool ok = XML_Parse(parser, bytes.constData(), int(bytes.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
    if (!ok)
        return std::nullopt;
    return state.targets;
}

} // namespace ExpatReadBack
