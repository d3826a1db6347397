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
        /// Mix in the shapes newer and older Xcode versions write (no `xml:space`,
        /// `state` on targets, `<target/>`, two-line sources) besides the common one.
        bool variety = false;
    };

    static QByteArray generate(const Options &options);

    /// JSON Lines that give every unit of a generated export a new target.
    static QByteArray editEveryTarget(qsizetype units);
};
