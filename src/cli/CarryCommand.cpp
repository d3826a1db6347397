#include "cli/CarryCommand.h"

#include "carryover/CarryOver.h"
#include "carryover/EarlierTranslation.h"
#include "catalog/CatalogReader.h"
#include "cli/CliTool.h"
#include "cli/UnitJson.h"
#include "files/DocumentFile.h"
#include "xliff/StateAttribute.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("CarryCommand", text, disambiguation, n);
}

/// The earlier translation: an export as `EarlierTranslation` finds it, or one language of a
/// String Catalog.
EarlierTranslation::Loaded loadEarlier(const QString &path, const std::optional<QString> &language)
{
    if (!CatalogReader::isCatalogPath(path))
        return EarlierTranslation::load(path, language);
    EarlierTranslation::Loaded loaded;
    loaded.path = path;
    const DocumentFile::Bytes bytes = DocumentFile::read(path);
    if (!bytes.error.isEmpty()) {
        loaded.error = u"%1: %2"_s.arg(path, bytes.error);
        return loaded;
    }
    CatalogRead read =
        CatalogReader::read(bytes.bytes, language.value_or(QString()), QFileInfo(path).fileName());
    if (!read.result.complete) {
        loaded.error = u"%1: %2"_s.arg(path, read.result.errorString);
        return loaded;
    }
    loaded.content = std::move(read.result);
    return loaded;
}

QString filledLine(const UnitRecord &unit, CarryOver::Kind kind)
{
    QJsonObject object = UnitJson::placeOf(unit);
    object.insert(u"kind"_s, kind == CarryOver::Kind::Exact ? u"exact"_s : u"suggestion"_s);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace

int CarryCommand::run(const QStringList &arguments)
{
    QStringList rest = arguments;
    CarryOver::Options options;
    options.overwrite = rest.removeAll(u"--overwrite"_s) > 0;
    options.exactOnly = rest.removeAll(u"--exact-only"_s) > 0;
    const bool json = rest.removeAll(u"--json"_s) > 0;
    const auto parsed = m_tool.options(rest, false);
    if (!parsed)
        return CliTool::Usage;
    if (parsed->positional.size() != 2)
        return m_tool.usage(tr("carry takes EARLIER and PATH"));
    if (json && parsed->output == u"-")
        return m_tool.usage(tr("--json lists the filled units on standard output; write the "
                               "file with -o FILE"));
    CliTool::Document *document = m_tool.load(parsed->positional[1]);
    if (!document)
        return CliTool::Error;

    const ReadResult &content = document->content;
    const EarlierTranslation::Loaded earlier =
        loadEarlier(parsed->positional[0], FileHeader::targetLanguageOf(content.files));
    if (!earlier.error.isEmpty())
        return m_tool.fail(earlier.error);
    // A catalog's strings always carry a state, so a suggestion is marked for review there.
    options.statesUsed =
        !document->catalogLanguage.isEmpty() || StateAttribute::usedIn(document->bytes);
    const CarryOver::Result carried =
        CarryOver::carry(content.units, content.files, earlier.content, options);
    if (!carried.error.isEmpty())
        return m_tool.fail(u"%1: %2"_s.arg(earlier.path, carried.error));
    CarryOver::apply(document->content.units, carried.changes);

    reportCounts(carried.counts);
    const QString target = parsed->output.isEmpty() ? document->path : parsed->output;
    const int exit = m_tool.save(*document, target);
    if (json && (exit == CliTool::Success || exit == CliTool::PartlyWritten)) {
        for (size_t i = 0; i < carried.changes.size(); ++i)
            m_tool.out() << filledLine(document->content.units[carried.changes[i].row],
                                       carried.kinds[i])
                         << '\n';
        m_tool.out().flush();
    }
    return exit;
}

void CarryCommand::reportCounts(const CarryOver::Counts &counts)
{
    m_tool.err() << tr("%1 exact, %2 to review, %3 not found")
                        .arg(counts.exact)
                        .arg(counts.review)
                        .arg(counts.notFound)
                 << '\n';
    if (counts.severalTargets > 0) {
        m_tool.err() << tr("%n suggestion(s) chosen as the most frequent of differing targets",
                           nullptr, int(counts.severalTargets))
                     << '\n';
    }
}
