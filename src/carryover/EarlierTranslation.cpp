#include "carryover/EarlierTranslation.h"

#include "carryover/CarryOver.h"
#include "xliff/ParseState.h"
#include "xliff/XliffFinder.h"
#include "xliff/XliffReader.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("EarlierTranslation", text);
}

EarlierTranslation::Loaded readFile(const QString &path)
{
    ParseState state;
    EarlierTranslation::Loaded loaded{path, XliffReader(state).readFile(path), {}};
    if (loaded.content.complete)
        return loaded;
    loaded.error = loaded.content.line > 0 ? u"%1:%2:%3: %4"_s.arg(path)
                                                 .arg(loaded.content.line)
                                                 .arg(loaded.content.column)
                                                 .arg(loaded.content.errorString)
                                           : u"%1: %2"_s.arg(path, loaded.content.errorString);
    return loaded;
}

EarlierTranslation::Loaded failure(const QString &message)
{
    return {{}, {}, message};
}

} // namespace

EarlierTranslation::Loaded EarlierTranslation::load(const QString &path,
                                                    const std::optional<QString> &language)
{
    if (XliffFinder::isXliffPath(path))
        return readFile(path);
    const QStringList found = XliffFinder::find(path);
    if (found.isEmpty())
        return failure(u"%1: %2"_s.arg(path, tr("No appropriate files found")));
    if (found.size() == 1)
        return readFile(found.first());
    if (!language)
        return failure(tr("%1 holds several XLIFF files; name one of them.").arg(path));

    // A project export holds one package per language: take the one of this document's.
    std::optional<Loaded> match;
    QString malformed; ///< the first file that could not be read: it may be the one sought
    for (const QString &file : found) {
        Loaded loaded = readFile(file);
        if (!loaded.error.isEmpty() && malformed.isEmpty())
            malformed = loaded.error;
        const auto fileLanguage = FileHeader::targetLanguageOf(loaded.content.files);
        if (!loaded.error.isEmpty() || !fileLanguage ||
            !CarryOver::sameLanguage(*fileLanguage, *language))
            continue;
        if (match)
            return failure(tr("%1 holds several XLIFF files into \"%2\"; name one of them.")
                               .arg(path, *language));
        match = std::move(loaded);
    }
    if (!match && !malformed.isEmpty())
        return failure(tr("%1 holds no readable XLIFF file into \"%2\"; one is malformed: %3")
                           .arg(path, *language, malformed));
    if (!match)
        return failure(tr("%1 holds no XLIFF file into \"%2\".").arg(path, *language));
    return std::move(*match);
}
