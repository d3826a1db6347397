#include "catalog/JsonNode.h"

const JsonNode *JsonNode::member(QStringView key) const
{
    for (const JsonMember &each : members) {
        if (each.key == key)
            return &each.value;
    }
    return nullptr;
}

QString JsonNode::stringMember(QStringView key) const
{
    const JsonNode *found = member(key);
    return found && found->isString() ? found->text : QString();
}

JsonNode JsonNode::string(const QString &text)
{
    JsonNode node;
    node.kind = Kind::String;
    node.text = text;
    return node;
}

JsonNode JsonNode::object()
{
    JsonNode node;
    node.kind = Kind::Object;
    return node;
}

JsonNode &JsonNode::child(const QString &key)
{
    for (JsonMember &each : members) {
        if (each.key == key)
            return each.value;
    }
    members.push_back(JsonMember{key, -1, object()});
    return members.back().value;
}
