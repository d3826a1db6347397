#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

/// Proves that an edited export differs from its original only inside target elements
/// (and the lines a save inserted for new targets), so Xcode sees nothing else changed.
class TargetDiff
{
public:
    struct ChangedUnit
    {
        std::optional<QString> from;
        std::optional<QString> name;
        quint64 port = 0;
    };

    struct Result
    {
        /// True when everything outside target elements is the same.
        bool onlyTargets = false;
        std::vector<ChangedUnit> changed;
        /// Where the first difference outside a target stands in the edited text (1-based),
        /// or why the files could not be compared.
        qint64 line = 0;
        qint64 column = 0;
        QString problem;
    };

    static Result compare(QByteArrayView edited, QByteArrayView original);
};
