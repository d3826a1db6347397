#pragma once

#include <QString>

/// A catalog's `state` and the state a unit record carries, which follows the export's
/// `state` attribute so the workbench, the checks and carry-over read both alike.
namespace CatalogState {

/// "needs_review" is "needs-review-l10n", "machine_translated" (version 1.3)
/// "needs-review-translation"; "new", "translated" and anything else stay as they are.
QString toRecord(const QString &catalogState);
/// The way back.
QString toCatalog(const QString &recordState);

} // namespace CatalogState
