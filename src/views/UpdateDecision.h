#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

/// Whether the maker's feed names a newer version of this application for this system.
/// Pure: takes the feed's bytes and the running application's facts, touches nothing else.
class UpdateDecision
{
public:
    struct Running
    {
        QString name;    ///< the application's name, matched exactly against "name"
        QString version; ///< the application's version, e.g. "1.9"
        qint64 osNumber; ///< major × 100 + minor of the running system
    };

    /// True when the feed's first entry named like this application asks for a newer
    /// version on a system at least as recent as this one. Any feed of another shape,
    /// including one that is not JSON, gives false.
    static bool shouldNotify(const QByteArray &feed, const Running &running);

    /// `text` with every occurrence of `fragment` removed; a null text stays null.
    static QString pull(const QString &fragment, const QString &text);

    /// The leading decimal number after optional blanks and sign; 0 when there is none.
    /// Numbers beyond 64 bits saturate.
    static qint64 integerValue(const QString &text);

    /// A version as one number: every "." removed, then its integer value ("1.10" → 110).
    static qint64 versionNumber(const QString &version);

    /// The system version as major × 100 + minor; the patch number does not count.
    static qint64 osNumber(int major, int minor);

    /// The running system's number, from its reported version.
    static qint64 runningOsNumber();

    /// The feed's address below the site.
    static QUrl feedAddress(const QString &siteBase);

    /// The product page: the name lower-cased without spaces and apostrophes, ".html",
    /// below the site ("Word Mill's" → wordmills.html).
    static QUrl productPage(const QString &siteBase, const QString &name);
};
