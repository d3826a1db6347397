#pragma once

#include "catalog/CatalogReader.h"
#include "document/UnitRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

/// What the command-line tool does differently for a String Catalog: it is read for the one
/// language `--language` names, `stats` without it counts every language, and `verify`
/// proves that only that language changed.
class CatalogCli
{
public:
    /// Takes `--language L` out of `arguments` into `language`; false, with the reason, when
    /// L is missing or given twice.
    static bool takeLanguage(QStringList &arguments, QString &language, QString *problem);
    /// Why a catalog cannot be read without a language, naming the ones it has.
    static QString languageNeeded(QByteArrayView bytes);
    /// One line per language: units, with a target, empty, none, translated (as the
    /// workbench counts), the language.
    static QByteArray languageStats(QByteArrayView bytes);

    struct Verified
    {
        QString problem;                 ///< empty when EDITED differs only inside the language
        std::vector<UnitRecord> changed; ///< units whose target or state differ: from, name, port
    };
    /// `fileName` is the `from` of the units listed.
    static Verified verify(QByteArrayView edited, QByteArrayView original, const QString &language,
                           const QString &fileName);
};
