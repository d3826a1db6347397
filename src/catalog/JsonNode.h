#pragma once

#include <QString>
#include <QStringView>

#include <vector>

struct JsonMember;

/// One JSON value as it stands in the file's bytes. Objects keep every member in file order,
/// a key written twice included, so nothing a file holds is lost on the way to a save.
struct JsonNode
{
    enum class Kind
    {
        Object,
        Array,
        String,
        Number,
        True,
        False,
        Null
    };

    Kind kind = Kind::Null;
    /// The value's bytes in the file: [begin, end). Both are -1 for a value made in memory.
    qsizetype begin = -1;
    qsizetype end = -1;
    /// How many objects and arrays enclose the value; the root has 0.
    int depth = 0;
    /// A string's decoded text; a number's or literal's token as written.
    QString text;
    std::vector<JsonMember> members; ///< an object's members, in file order
    std::vector<JsonNode> items;     ///< an array's items

    bool isObject() const { return kind == Kind::Object; }
    bool isString() const { return kind == Kind::String; }
    /// The first member named `key` (the copy this program reads and edits), or null.
    const JsonNode *member(QStringView key) const;
    /// A string member's text, or a null string where it is missing or not a string.
    QString stringMember(QStringView key) const;

    static JsonNode string(const QString &text);
    static JsonNode object();
    /// The object member `key`, added at the end when missing (for values made in memory).
    JsonNode &child(const QString &key);
};

struct JsonMember
{
    QString key;
    qsizetype keyBegin = -1; ///< where the key's opening quote stands
    JsonNode value;
};
