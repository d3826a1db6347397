#pragma once

#include <QDateTime>
#include <QHash>
#include <QIdentityProxyModel>

/// The picker's view of the found paths: each path followed by its file's target language
/// and how many of its units are translated, so a project's languages can be told apart
/// and the one that needs work seen at a glance. A file is read when first shown, and again
/// once it has changed on disk (a later scan lists the same path after a save).
class FoundFilesModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Summary
    {
        QDateTime modified; ///< of the file when it was read
        QString text;
    };

    /// "ja · 120 of 2378 translated" for the file at `path`.
    static QString summaryOf(const QString &path);

    mutable QHash<QString, Summary> m_summaries;
};
