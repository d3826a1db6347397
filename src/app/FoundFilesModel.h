#pragma once

#include <QHash>
#include <QIdentityProxyModel>

/// The picker's view of the found paths: each path followed by its file's target language
/// and how many of its units are translated, so a project's languages can be told apart
/// and the one that needs work seen at a glance. A file is read the first time it is shown.
class FoundFilesModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    /// "ja · 120 of 2378 translated" for the file at `path`.
    static QString summaryOf(const QString &path);

private:
    mutable QHash<QString, QString> m_summaries;
};
