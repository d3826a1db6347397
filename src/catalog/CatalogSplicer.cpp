#include "catalog/CatalogSplicer.h"

#include "catalog/CatalogState.h"

using namespace Qt::StringLiterals;

namespace {

/// Sets `key` in an object made in memory, replacing a value set before.
void setMember(JsonNode &object, const QString &key, JsonNode value)
{
    for (JsonMember &each : object.members) {
        if (each.key == key) {
            each.value = std::move(value);
            return;
        }
    }
    object.members.push_back(JsonMember{key, -1, std::move(value)});
}

qsizetype indexOf(const JsonNode &object, QStringView key)
{
    for (qsizetype i = 0; i < qsizetype(object.members.size()); ++i) {
        if (object.members[i].key == key)
            return i;
    }
    return -1;
}

QString leafName(const CatalogSlot &slot)
{
    return slot.stringSet ? u"stringSet"_s : u"stringUnit"_s;
}

} // namespace

CatalogSplicer::CatalogSplicer(const CatalogDocument &document, QByteArrayView original,
                               const QString &language)
    : m_document(document), m_original(original), m_language(language),
      m_units(CatalogUnits(document, language, QString()).collect())
{
}

std::optional<QString> CatalogSplicer::savedState(const UnitRecord &row, const UnitRecord &read)
{
    if (row.state && row.state != read.state)
        return CatalogState::toCatalog(*row.state);
    if (row.tget != read.tget)
        return u"translated"_s;
    return std::nullopt;
}

CatalogSplicer::Result CatalogSplicer::splice(const std::vector<UnitRecord> &rows) const
{
    Result result;
    result.expectedStates.resize(rows.size());
    JsonTextEdits edits(m_writer);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const UnitRecord &row = rows[i];
        const std::optional<std::size_t> unit = unitFor(row);
        if (!unit) {
            result.unplaced.push_back(i);
            continue;
        }
        const UnitRecord &read = m_units.units[*unit];
        result.expectedStates[i] = read.state;
        if ((row.tget == read.tget && row.state == read.state) || (!row.tget && !read.tget))
            continue;
        const std::optional<QString> state = savedState(row, read);
        if (!place(row, *unit, state, edits)) {
            result.unplaced.push_back(i);
            continue;
        }
        if (!row.tget)
            result.expectedStates[i].reset();
        else if (state)
            result.expectedStates[i] = CatalogState::toRecord(*state);
    }
    result.bytes = edits.apply(m_original, &result.errorString);
    return result;
}

std::optional<std::size_t> CatalogSplicer::unitFor(const UnitRecord &row) const
{
    const std::vector<UnitRecord> &units = m_units.units;
    if (row.port < units.size() && units[row.port].name == row.name)
        return std::size_t(row.port);
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].name == row.name)
            return i;
    }
    return std::nullopt;
}

bool CatalogSplicer::place(const UnitRecord &row, std::size_t unit,
                           const std::optional<QString> &state, JsonTextEdits &edits) const
{
    const CatalogSlot &slot = m_units.places[unit];
    const JsonNode &entry = m_document.strings().members[slot.entry].value;
    const QStringList keys = QStringList{u"localizations"_s, m_language} + slot.path;
    const JsonNode *holder = &entry;
    JsonNode *created = nullptr;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (created) {
            created = &created->child(keys[i]);
        } else if (const JsonNode *next = holder->member(keys[i])) {
            if (!next->isObject())
                return false;
            holder = next;
            continue;
        } else {
            created = &edits.added(*holder).child(keys[i]);
        }
        if (i == 3 && keys[2] == u"substitutions")
            copySubstitution(slot, *created);
    }
    if (created) {
        fillLeaf(*created, slot, row, state);
        return true;
    }
    const JsonNode *leaf = holder->member(leafName(slot));
    if (!row.tget) {
        edits.remove(*holder, indexOf(*holder, leafName(slot)));
        return true;
    }
    if (!leaf) {
        fillLeaf(edits.added(*holder), slot, row, state);
        return true;
    }
    if (!leaf->isObject())
        return false;
    editLeaf(*leaf, slot, row, state, edits);
    return true;
}

void CatalogSplicer::fillLeaf(JsonNode &holder, const CatalogSlot &slot, const UnitRecord &row,
                              const std::optional<QString> &state) const
{
    JsonNode &leaf = holder.child(leafName(slot));
    setMember(leaf, u"state"_s, JsonNode::string(state.value_or(u"translated"_s)));
    if (slot.stringSet)
        setMember(leaf, u"values"_s, valuesArray(*row.tget));
    else
        setMember(leaf, u"value"_s, JsonNode::string(*row.tget));
}

void CatalogSplicer::editLeaf(const JsonNode &leaf, const CatalogSlot &slot, const UnitRecord &row,
                              const std::optional<QString> &state, JsonTextEdits &edits) const
{
    const QString valueKey = slot.stringSet ? u"values"_s : u"value"_s;
    const JsonNode newValue = slot.stringSet ? valuesArray(*row.tget) : JsonNode::string(*row.tget);
    const JsonNode *value = leaf.member(valueKey);
    if (!value) {
        setMember(edits.added(leaf), valueKey, newValue);
    } else {
        const bool same = slot.stringSet
                              ? value->kind == JsonNode::Kind::Array &&
                                    m_writer.write(*value, 0) == m_writer.write(newValue, 0)
                              : value->isString() && value->text == *row.tget;
        if (!same)
            edits.replace(*value, m_writer.write(newValue, value->depth));
    }
    if (!state)
        return;
    const JsonNode *oldState = leaf.member(u"state");
    if (!oldState)
        setMember(edits.added(leaf), u"state"_s, JsonNode::string(*state));
    else if (!oldState->isString() || oldState->text != *state)
        edits.replace(*oldState, XcodeJsonWriter::quoted(*state));
}

void CatalogSplicer::copySubstitution(const CatalogSlot &slot, JsonNode &created) const
{
    // A substitution the language lacks takes its argument number and format from the
    // source language's, as Xcode copies them.
    const JsonNode &entry = m_document.strings().members[slot.entry].value;
    const JsonNode *source = CatalogDocument::localization(entry, m_document.sourceLanguage());
    const JsonNode *subs = source ? source->member(u"substitutions") : nullptr;
    const JsonNode *sub = subs ? subs->member(slot.path.value(1)) : nullptr;
    if (!sub || !sub->isObject())
        return;
    for (const QString &key : {u"argNum"_s, u"formatSpecifier"_s}) {
        const JsonNode *value = sub->member(key);
        if (value && !created.member(key))
            created.members.push_back(JsonMember{key, -1, *value});
    }
}

JsonNode CatalogSplicer::valuesArray(const QString &joined) const
{
    JsonNode array;
    array.kind = JsonNode::Kind::Array;
    for (const QString &value : joined.split(u'\n'))
        array.items.push_back(JsonNode::string(value));
    return array;
}
