#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

/// A small export written the way Xcode lays one out. Each entry of `files` is one `<file>`:
/// its `original`, then its units, all joined by "#" (one after "&" starts a character
/// reference); a unit is "id|source|target element", with "-" for a unit without a target.
/// Shared by the carry-over suites.
inline QByteArray exportText(const QStringList &files, const QString &language)
{
    using namespace Qt::StringLiterals;
    QString text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff version=\"1.2\">\n"_s;
    for (const QString &file : files) {
        static const QRegularExpression separator(u"(?<!&)#"_s);
        const QStringList parts = file.split(separator);
        text += u"  <file original=\"%1\" source-language=\"en\" target-language=\"%2\">\n"
                "    <body>\n"_s.arg(parts[0], language);
        for (const QString &unit : parts.mid(1)) {
            const QStringList fields = unit.split(u'|');
            text += u"      <trans-unit id=\"%1\" xml:space=\"preserve\">\n"
                    "        <source>%2</source>\n"_s.arg(fields[0], fields[1]);
            if (fields[2] != u"-")
                text += u"        "_s + fields[2] + u'\n';
            text += u"        <note>n</note>\n      </trans-unit>\n"_s;
        }
        text += u"    </body>\n  </file>\n"_s;
    }
    return (text + u"</xliff>\n"_s).toUtf8();
}
