#include "memory/TmxReader.h"

#include "memory/LanguageTag.h"
#include "xliff/ExpatParser.h"

#include <QDateTime>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

struct Variant
{
    QString language;
    QString text;
};

/// Gathers units as expat reports the document.
class TmxHandler : public ExpatParser::Handler
{
public:
    TmxHandler(TmxReader::Result &result, QString project, qint64 now)
        : m_result(result), m_project(std::move(project)), m_now(now)
    {
    }

    void startElement(const char *name, const char **attributes) override
    {
        if (m_segDepth > 0) {
            ++m_segDepth; // inline markup: its text stays part of the segment
            return;
        }
        if (std::strcmp(name, "header") == 0) {
            m_headerSource = text(attributes, "srclang");
            m_headerDate = dateOf(attributes).value_or(m_now);
        } else if (std::strcmp(name, "tu") == 0) {
            m_unitId = text(attributes, "tuid");
            m_unitSource = text(attributes, "srclang");
            m_unitDate = dateOf(attributes);
            m_variants.clear();
            m_props.clear();
        } else if (std::strcmp(name, "tuv") == 0) {
            QString language = text(attributes, "xml:lang");
            if (language.isEmpty())
                language = text(attributes, "lang");
            m_variants.push_back({LanguageTag::normalized(language), QString()});
        } else if (std::strcmp(name, "seg") == 0 && !m_variants.empty()) {
            m_segDepth = 1;
            m_buffer.clear();
        } else if (std::strcmp(name, "prop") == 0) {
            m_propType = text(attributes, "type");
            m_inProp = true;
            m_buffer.clear();
        }
    }

    void endElement(const char *name) override
    {
        if (m_segDepth > 0) {
            if (--m_segDepth == 0)
                m_variants.back().text = QString::fromUtf8(m_buffer);
            return;
        }
        if (m_inProp && std::strcmp(name, "prop") == 0) {
            m_inProp = false;
            m_props.append({m_propType, QString::fromUtf8(m_buffer)});
        } else if (std::strcmp(name, "tu") == 0) {
            endUnit();
        }
    }

    void characters(const char *text, int length) override
    {
        if (m_segDepth > 0 || m_inProp)
            m_buffer.append(text, length);
    }

private:
    static QString text(const char **attributes, const char *name)
    {
        const char *value = ExpatParser::attribute(attributes, name);
        return value ? QString::fromUtf8(value) : QString();
    }

    static std::optional<qint64> dateOf(const char **attributes)
    {
        // A change is the newer of the two dates where a unit has both.
        for (const char *name : {"changedate", "creationdate"}) {
            if (const auto date = TmxReader::parseDate(text(attributes, name)))
                return date;
        }
        return std::nullopt;
    }

    QString property(const QString &type) const
    {
        for (const auto &[name, value] : m_props) {
            if (name == type)
                return value;
        }
        return {};
    }

    void endUnit()
    {
        ++m_result.units;
        std::vector<Variant> usable;
        for (Variant &variant : m_variants) {
            if (variant.language.isEmpty())
                ++m_result.noLanguage;
            else if (variant.text.isEmpty())
                ++m_result.emptySegments;
            else
                usable.push_back(std::move(variant));
        }
        const QString source = m_unitSource.isEmpty() ? m_headerSource : m_unitSource;
        const bool all = source.compare(u"*all*"_s, Qt::CaseInsensitive) == 0;
        const QString sourceTag = LanguageTag::normalized(source);
        const qsizetype before = qsizetype(m_result.entries.size());
        bool sourceFound = false;
        for (const Variant &from : usable) {
            if (!all && from.language != sourceTag)
                continue;
            sourceFound = true;
            for (const Variant &to : usable) {
                if (LanguageTag::language(to.language) != LanguageTag::language(from.language))
                    add(from, to);
            }
        }
        if (!sourceFound)
            ++m_result.noSource;
        else if (qsizetype(m_result.entries.size()) == before)
            ++m_result.noTranslation;
    }

    void add(const Variant &from, const Variant &to)
    {
        const QString project = property(u"x-project"_s);
        m_result.entries.push_back(
            {from.text, to.text, from.language, to.language, property(u"x-file"_s), m_unitId,
             project.isEmpty() ? m_project : project, m_unitDate.value_or(m_headerDate), 0});
    }

    TmxReader::Result &m_result;
    QString m_project;
    qint64 m_now;
    QString m_headerSource;
    qint64 m_headerDate = 0;
    QString m_unitId;
    QString m_unitSource;
    std::optional<qint64> m_unitDate;
    std::vector<Variant> m_variants;
    QList<std::pair<QString, QString>> m_props;
    QString m_propType;
    bool m_inProp = false;
    int m_segDepth = 0;
    QByteArray m_buffer;
};

} // namespace

TmxReader::Result TmxReader::read(QByteArrayView bytes, const QString &project, qint64 now)
{
    Result result;
    TmxHandler handler(result, project, now);
    ExpatParser parser(handler);
    result.complete = parser.parse(bytes);
    if (!result.complete) {
        result.errorString = parser.errorString();
        result.line = parser.errorLine();
        result.column = parser.errorColumn();
        result.entries.clear();
    }
    return result;
}

std::optional<qint64> TmxReader::parseDate(QStringView text)
{
    if (text.size() != 16 || text[8] != u'T' || text[15] != u'Z')
        return std::nullopt;
    QDateTime date = QDateTime::fromString(text.left(15).toString(), u"yyyyMMdd'T'HHmmss"_s);
    if (!date.isValid())
        return std::nullopt;
    date.setTimeSpec(Qt::UTC);
    return date.toSecsSinceEpoch();
}
