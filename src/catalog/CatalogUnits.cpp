#include "catalog/CatalogUnits.h"

#include "catalog/CatalogPlurals.h"
#include "catalog/CatalogState.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

const std::vector<JsonMember> noMembers;

const JsonNode *objectMember(const JsonNode *node, QStringView key)
{
    if (!node || !node->isObject())
        return nullptr;
    const JsonNode *found = node->member(key);
    return found && found->isObject() ? found : nullptr;
}

/// `node`'s variation of `kind` named `name` ("plural", "one"), or null.
const JsonNode *variation(const JsonNode *node, QStringView kind, QStringView name)
{
    return objectMember(objectMember(objectMember(node, u"variations"), kind), name);
}

/// Whether the node says anything for its place: a string, a set or variations.
bool hasContent(const JsonNode *node)
{
    return objectMember(node, u"stringUnit") || objectMember(node, u"stringSet") ||
           objectMember(node, u"variations");
}

QString joinedValues(const JsonNode &set)
{
    const JsonNode *values = set.member(u"values");
    if (!values || values->kind != JsonNode::Kind::Array)
        return QString();
    QStringList texts;
    for (const JsonNode &item : values->items)
        texts.append(item.text);
    return texts.join(u'\n');
}

} // namespace

CatalogUnits::CatalogUnits(const CatalogDocument &document, const QString &language,
                           const QString &from)
    : m_document(document), m_language(language), m_from(from),
      m_required(CatalogPlurals::required(language))
{
}

QString CatalogUnits::textOf(const JsonNode *node)
{
    if (const JsonNode *unit = objectMember(node, u"stringUnit")) {
        const JsonNode *value = unit->member(u"value");
        return value && value->isString() ? value->text : QString();
    }
    if (const JsonNode *set = objectMember(node, u"stringSet"))
        return joinedValues(*set);
    for (const QStringView kind : {u"plural", u"device"}) {
        if (const JsonNode *other = variation(node, kind, u"other"))
            return textOf(other);
    }
    return QString();
}

CatalogUnits::Units CatalogUnits::collect() const
{
    Units out;
    QSet<QString> seen;
    const std::vector<JsonMember> &entries = m_document.strings().members;
    for (qsizetype index = 0; index < qsizetype(entries.size()); ++index) {
        const JsonMember &member = entries[index];
        // A key written twice is read from its first copy; the second keeps its bytes.
        if (seen.contains(member.key) || !member.value.isObject())
            continue;
        seen.insert(member.key);
        const Entry entry{index, member.key, member.value};
        const JsonNode *source =
            CatalogDocument::localization(member.value, m_document.sourceLanguage());
        const JsonNode *target = CatalogDocument::localization(member.value, m_language);
        walk(entry, source, target, Place{}, out);
        substitutions(entry, source, target, out);
    }
    return out;
}

void CatalogUnits::walk(const Entry &entry, const JsonNode *source, const JsonNode *target,
                        const Place &place, Units &out) const
{
    // The target's own shape wins: it is what a save edits. Without one, the source's
    // shape is what the language is asked to provide.
    const JsonNode *shape = hasContent(target) ? target : source;
    if (walkDevices(entry, shape, source, target, place, out))
        return;
    if (walkPlural(entry, shape, source, target, place, out))
        return;
    leaf(entry, source, target, place, out);
}

bool CatalogUnits::walkDevices(const Entry &entry, const JsonNode *shape, const JsonNode *source,
                               const JsonNode *target, const Place &place, Units &out) const
{
    const JsonNode *devices = objectMember(objectMember(shape, u"variations"), u"device");
    if (!devices)
        return false;
    // The source's devices first, then any the target adds: filling one device of several
    // keeps the others on offer.
    const JsonNode *sourceDevices = objectMember(objectMember(source, u"variations"), u"device");
    QStringList names;
    for (const JsonNode *each : {sourceDevices, devices}) {
        for (const JsonMember &device : each ? each->members : noMembers) {
            if (!names.contains(device.key))
                names.append(device.key);
        }
    }
    for (const QString &name : std::as_const(names)) {
        // The source's own device, else its "other"; a source that does not vary by device
        // serves every device. Each step goes deeper, so shapes made to loop cannot.
        const JsonNode *sourceDevice = variation(source, u"device", name);
        if (!sourceDevice)
            sourceDevice = variation(source, u"device", u"other");
        const Place inner{place.path + QStringList{u"variations"_s, u"device"_s, name},
                          place.suffix + u"device."_s + name + u'.', textOf(source)};
        walk(entry, sourceDevices ? sourceDevice : source, variation(target, u"device", name),
             inner, out);
    }
    return true;
}

bool CatalogUnits::walkPlural(const Entry &entry, const JsonNode *shape, const JsonNode *source,
                              const JsonNode *target, const Place &place, Units &out) const
{
    if (!objectMember(objectMember(shape, u"variations"), u"plural"))
        return false;
    const bool sourcePlural = objectMember(objectMember(source, u"variations"), u"plural");
    for (const QString &category : categories(shape, shape == target)) {
        const JsonNode *sourceLeaf = variation(source, u"plural", category);
        if (!sourceLeaf)
            sourceLeaf = variation(source, u"plural", u"other");
        const Place inner{place.path + QStringList{u"variations"_s, u"plural"_s, category},
                          place.suffix + u"plural."_s + category + u'.', textOf(source)};
        walk(entry, sourcePlural ? sourceLeaf : source, variation(target, u"plural", category),
             inner, out);
    }
    return true;
}

QStringList CatalogUnits::categories(const JsonNode *shape, bool fromTarget) const
{
    QStringList present;
    if (fromTarget) {
        for (const JsonMember &each :
             objectMember(shape, u"variations")->member(u"plural")->members)
            present.append(each.key);
    }
    QStringList ordered;
    for (const QString &category : CatalogPlurals::all()) {
        if (m_required.contains(category) || present.contains(category))
            ordered.append(category);
    }
    // A category no language has is kept where the target holds it, after the known ones.
    for (const QString &category : std::as_const(present)) {
        if (!ordered.contains(category))
            ordered.append(category);
    }
    return ordered;
}

void CatalogUnits::substitutions(const Entry &entry, const JsonNode *source, const JsonNode *target,
                                 Units &out) const
{
    const JsonNode *targetSubs = objectMember(target, u"substitutions");
    const JsonNode *sourceSubs = objectMember(source, u"substitutions");
    QStringList names;
    for (const JsonNode *each : {sourceSubs, targetSubs}) {
        for (const JsonMember &sub : each ? each->members : noMembers) {
            if (!names.contains(sub.key))
                names.append(sub.key);
        }
    }
    for (const QString &name : std::as_const(names)) {
        const JsonNode *sourceSub = objectMember(sourceSubs, name);
        const JsonNode *targetSub = objectMember(targetSubs, name);
        if (!objectMember(targetSub ? targetSub : sourceSub, u"variations"))
            continue;
        const Place place{{u"substitutions"_s, name}, u"substitutions."_s + name + u'.', {}};
        walk(entry, sourceSub, targetSub, place, out);
    }
}

void CatalogUnits::leaf(const Entry &entry, const JsonNode *source, const JsonNode *target,
                        const Place &place, Units &out) const
{
    UnitRecord unit;
    unit.from = m_from;
    unit.name =
        place.suffix.isEmpty() ? entry.key : entry.key + u"|==|"_s + place.suffix.chopped(1);
    QString sourceText = source ? textOf(source) : QString();
    if (sourceText.isNull())
        sourceText = place.sourceText;
    unit.srcs = sourceText.isNull() ? entry.key : sourceText;
    CatalogSlot slot{entry.index, place.path, false};
    const JsonNode *stringUnit = objectMember(target, u"stringUnit");
    const JsonNode *stringSet = objectMember(target, u"stringSet");
    if (stringUnit) {
        const JsonNode *value = stringUnit->member(u"value");
        if (value && value->isString())
            unit.tget = value->text;
    } else if (stringSet) {
        unit.tget = joinedValues(*stringSet);
        slot.stringSet = true;
    } else {
        slot.stringSet = objectMember(source, u"stringSet") != nullptr;
    }
    const JsonNode *holder = stringUnit ? stringUnit : stringSet;
    if (holder && holder->member(u"state") && holder->member(u"state")->isString())
        unit.state = CatalogState::toRecord(holder->member(u"state")->text);
    const JsonNode *comment = entry.value.member(u"comment");
    if (comment && comment->isString())
        unit.note = comment->text;
    const JsonNode *shouldTranslate = entry.value.member(u"shouldTranslate");
    unit.translatable = !(shouldTranslate && shouldTranslate->kind == JsonNode::Kind::False);
    unit.port = out.units.size();
    unit.file = 0;
    out.units.push_back(std::move(unit));
    out.places.push_back(std::move(slot));
}
