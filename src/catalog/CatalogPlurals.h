#pragma once

#include <QString>
#include <QStringList>

/// The plural categories a catalog offers a language: those ICU's rules select for some
/// count from 0 to 999, and `other`, from zero to other. The same rule as the plural check's,
/// kept here because the catalog room stands below the checks.
namespace CatalogPlurals {

QStringList required(const QString &languageTag);
/// Every category a catalog may hold, in the order Xcode shows them.
const QStringList &all();

} // namespace CatalogPlurals
