#include "app/flows/FoundFilesModel.h"

#include "xliff/ParseState.h"
#include "document/TranslationSummary.h"
#include "xliff/XliffReader.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QVariant FoundFilesModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::ToolTipRole)
        return QIdentityProxyModel::data(index, Qt::DisplayRole);
    const QVariant value = QIdentityProxyModel::data(index, role);
    if (role != Qt::DisplayRole || !index.isValid())
        return value;
    const QString path = value.toString();
    const QDateTime modified = QFileInfo(path).lastModified();
    Summary &summary = m_summaries[path];
    if (summary.text.isEmpty() || summary.modified != modified)
        summary = {modified, summaryOf(path)};
    return tr("%1  —  %2").arg(path, summary.text);
}

QString FoundFilesModel::summaryOf(const QString &path)
{
    ParseState state;
    const ReadResult content = XliffReader(state).readFile(path);
    if (!content.complete)
        return tr("cannot be read");
    const TranslationSummary summary = TranslationSummary::of(content);
    const QString counts = tr("%1 of %2 translated").arg(summary.translated).arg(summary.total);
    if (!summary.targetLanguage)
        return counts;
    return tr("%1 · %2").arg(*summary.targetLanguage, counts);
}
