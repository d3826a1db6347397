#pragma once

#include <QByteArray>

/// Writes deterministic Xcode-style XLIFF exports of any size, for benchmarks and tests.
class ExportGenerator
{
public:
    struct Options
    {
        qsizetype units = 1000;
        quint32 seed = 1;
        qsizetype unitsPerFile = 250;
        /// Number of `file` elements; when set it decides instead of `unitsPerFile`.
        qsizetype files = 0;
        /// Share of units without a target, in percent.
        int untranslatedPercent = 33;
        /// Strings-table units: the source text is the id, so ids hold escaped markup
        /// (`&amp;`, `&quot;`, `&lt;`), and the notes quote it with `&quot;`.
        bool markup = false;
        /// Mix in the shapes newer and older Xcode versions write (no `xml:space`,
        /// `state` on targets, `<target/>`, two-line sources) besides the common one.
        bool variety = false;
    };

    static QByteArray generate(const Options &options);

    /// JSON Lines that give every unit of a generated export a new target.
    static QByteArray editEveryTarget(qsizetype units);
};
