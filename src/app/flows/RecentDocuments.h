#pragma once

#include <QString>
#include <QStringList>

/// The recent-documents list, newest first, kept in the application's settings.
class RecentDocuments
{
public:
    static constexpr int maxCount = 10;

    QStringList paths() const;
    /// Moves the path to the front, dropping the oldest beyond maxCount.
    void add(const QString &path);
    void clear();
};
