#include "app/flows/RecentDocuments.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

QString settingsKey()
{
    return u"recentDocuments"_s;
}

} // namespace

QStringList RecentDocuments::paths() const
{
    return QSettings().value(settingsKey()).toStringList();
}

void RecentDocuments::add(const QString &path)
{
    QStringList list = paths();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > maxCount)
        list.removeLast();
    QSettings().setValue(settingsKey(), list);
}

void RecentDocuments::clear()
{
    QSettings().remove(settingsKey());
}
