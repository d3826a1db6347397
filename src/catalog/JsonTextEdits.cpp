#include "catalog/JsonTextEdits.h"

#include <QCoreApplication>

#include <algorithm>

void JsonTextEdits::replace(const JsonNode &value, const QByteArray &text)
{
    m_replacements.push_back(Edit{value.begin, value.end, text});
}

JsonNode &JsonTextEdits::added(const JsonNode &object)
{
    const auto found = m_added.find(&object);
    if (found != m_added.end())
        return found->second;
    return m_added.emplace(&object, JsonNode::object()).first->second;
}

void JsonTextEdits::remove(const JsonNode &object, qsizetype index)
{
    m_removed[&object].insert(index);
}

bool JsonTextEdits::isEmpty() const
{
    return m_replacements.empty() && m_added.empty() && m_removed.empty();
}

std::optional<QByteArray> JsonTextEdits::apply(QByteArrayView original, QString *error) const
{
    std::vector<Edit> edits = m_replacements;
    std::set<const JsonNode *> objects;
    for (const auto &[object, added] : m_added)
        objects.insert(object);
    for (const auto &[object, removed] : m_removed)
        objects.insert(object);
    static const std::set<qsizetype> none;
    for (const JsonNode *object : objects) {
        const auto added = m_added.find(object);
        const auto removed = m_removed.find(object);
        objectEdits(*object, added == m_added.end() ? nullptr : &added->second,
                    removed == m_removed.end() ? none : removed->second, edits);
    }
    // An insertion at an offset goes before a change that starts there.
    std::stable_sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) {
        return a.begin != b.begin ? a.begin < b.begin : a.end < b.end;
    });
    QByteArray out;
    out.reserve(original.size() + original.size() / 8);
    qsizetype copied = 0;
    for (const Edit &edit : edits) {
        if (edit.begin < copied || edit.end < edit.begin || edit.end > original.size()) {
            if (error)
                *error = QCoreApplication::translate("JsonTextEdits",
                                                     "two changes of the catalog overlap");
            return std::nullopt;
        }
        out += original.sliced(copied, edit.begin - copied);
        out += edit.text;
        copied = edit.end;
    }
    out += original.sliced(copied);
    return out;
}

void JsonTextEdits::objectEdits(const JsonNode &object, const JsonNode *added,
                                const std::set<qsizetype> &removed, std::vector<Edit> &edits) const
{
    std::vector<qsizetype> kept;
    for (qsizetype i = 0; i < qsizetype(object.members.size()); ++i) {
        if (!removed.count(i))
            kept.push_back(i);
    }
    if (kept.empty()) {
        // Nothing of the old object stays: it is written anew (empty, or with the additions).
        edits.push_back(Edit{object.begin, object.end,
                             m_writer.write(added ? *added : JsonNode::object(), object.depth)});
        return;
    }
    removals(object, removed, edits);
    if (added && !added->members.empty())
        insertions(object, *added, kept, edits);
}

void JsonTextEdits::insertions(const JsonNode &object, const JsonNode &added,
                               const std::vector<qsizetype> &kept, std::vector<Edit> &edits) const
{
    const int depth = object.depth + 1;
    const QByteArray indent = XcodeJsonWriter::indent(depth);
    // Each new member goes before the first kept member that sorts after it, else after
    // the last; new members bound for one place are written together, in order.
    std::map<qsizetype, QByteArray> before; // by kept member index; -1: after the last
    for (const JsonMember *each : m_writer.sorted(added)) {
        qsizetype anchor = -1;
        for (const qsizetype index : kept) {
            if (m_writer.keyOrder().less(each->key, object.members[index].key)) {
                anchor = index;
                break;
            }
        }
        const QByteArray text = m_writer.member(each->key, each->value, depth);
        if (anchor >= 0)
            before[anchor] += text + ",\n" + indent;
        else
            before[-1] += ",\n" + indent + text;
    }
    for (const auto &[anchor, text] : before) {
        const qsizetype at =
            anchor >= 0 ? object.members[anchor].keyBegin : object.members[kept.back()].value.end;
        edits.push_back(Edit{at, at, text});
    }
}

void JsonTextEdits::removals(const JsonNode &object, const std::set<qsizetype> &removed,
                             std::vector<Edit> &edits)
{
    const std::vector<JsonMember> &members = object.members;
    const qsizetype count = qsizetype(members.size());
    // Each run of removed members goes with the separator after it, or, at the end of the
    // object, with the separator before it; runs never touch, so neither do the edits.
    for (auto it = removed.begin(); it != removed.end();) {
        const qsizetype first = *it;
        qsizetype last = first;
        while (++it != removed.end() && *it == last + 1)
            last = *it;
        if (last + 1 < count)
            edits.push_back(Edit{members[first].keyBegin, members[last + 1].keyBegin, {}});
        else
            edits.push_back(Edit{members[first - 1].value.end, members[last].value.end, {}});
    }
}
