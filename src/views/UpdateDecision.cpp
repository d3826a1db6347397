#include "views/UpdateDecision.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QOperatingSystemVersion>
#include <QStringList>
#include <QSysInfo>

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A member that is absent reads as no text at all (which counts as 0); one that is present
// but not a string makes the entry unusable.
std::optional<QString> memberText(const QJsonObject &object, const QString &key, bool *usable)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isString()) {
        *usable = false;
        return std::nullopt;
    }
    return value.toString();
}

// "dots" as major × 100 + minor; parts after the second are ignored. Fewer than two parts is
// a value the feed should never hold: it gives no number, so no notice.
std::optional<qint64> requiredNumber(const std::optional<QString> &dots)
{
    if (!dots)
        return 0;
    const QStringList parts = dots->split(u'.');
    if (parts.size() < 2)
        return std::nullopt;
    const qint64 major = UpdateDecision::integerValue(parts.at(0));
    const qint64 minor = UpdateDecision::integerValue(parts.at(1));
    qint64 number = 0;
    if (__builtin_mul_overflow(major, qint64(100), &number) ||
        __builtin_add_overflow(number, minor, &number))
        return std::nullopt;
    return number;
}

} // namespace

bool UpdateDecision::shouldNotify(const QByteArray &feed, const Running &running)
{
    if (feed.isEmpty())
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(feed, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return false;

    const QJsonArray entries = document.array();
    std::optional<QJsonObject> entry;
    for (const QJsonValue &element : entries) {
        if (!element.isObject())
            return false;
        const QJsonObject object = element.toObject();
        const QJsonValue name = object.value(u"name"_s);
        if (!name.isUndefined() && !name.isString())
            return false;
        if (name.isString() && name.toString() == running.name) {
            entry = object;
            break;
        }
    }
    if (!entry)
        return false;

    bool usable = true;
    const std::optional<QString> dots = memberText(*entry, u"dots"_s, &usable);
    const std::optional<QString> vers = memberText(*entry, u"vers"_s, &usable);
    if (!usable)
        return false;

    const std::optional<qint64> required = requiredNumber(dots);
    if (!required)
        return false;
    // Compared as unsigned numbers: a negative requirement can never be met.
    if (quint64(running.osNumber) < quint64(*required))
        return false;

    const qint64 newest = vers ? versionNumber(*vers) : 0;
    return versionNumber(running.version) < newest;
}

QString UpdateDecision::pull(const QString &fragment, const QString &text)
{
    if (text.isNull())
        return {};
    if (fragment.isEmpty())
        return text;
    return QString(text).remove(fragment);
}

qint64 UpdateDecision::integerValue(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t' || text.at(i) == u'\n'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    // Accumulate towards the sign so that the most negative number is reachable.
    qint64 value = 0;
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;
        const int digit = c - u'0';
        if (__builtin_mul_overflow(value, qint64(10), &value) ||
            (negative ? __builtin_sub_overflow(value, qint64(digit), &value)
                      : __builtin_add_overflow(value, qint64(digit), &value)))
            return negative ? min : max;
    }
    return value;
}

qint64 UpdateDecision::versionNumber(const QString &version)
{
    return integerValue(pull(u"."_s, version));
}

qint64 UpdateDecision::osNumber(int major, int minor)
{
    return qint64(major) * 100 + qint64(minor);
}

qint64 UpdateDecision::runningOsNumber()
{
    const QOperatingSystemVersion current = QOperatingSystemVersion::current();
    if (current.majorVersion() >= 0)
        return osNumber(current.majorVersion(), qMax(current.minorVersion(), 0));
    // Systems Qt gives no version for: read the product version the system reports.
    const QStringList parts = QSysInfo::productVersion().split(u'.');
    const qint64 major = qMax<qint64>(integerValue(parts.value(0)), 0);
    const qint64 minor = qMax<qint64>(integerValue(parts.value(1)), 0);
    return major * 100 + minor;
}

QUrl UpdateDecision::feedAddress(const QString &siteBase)
{
    QUrl url(siteBase);
    url.setPath(url.path() + u"xapp.json"_s);
    return url;
}

QUrl UpdateDecision::productPage(const QString &siteBase, const QString &name)
{
    const QString page = pull(u"'"_s, pull(u" "_s, name.toLower()));
    QUrl url(siteBase);
    url.setPath(url.path() + page + u".html"_s);
    return url;
}
