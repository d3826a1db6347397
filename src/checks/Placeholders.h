#pragma once

#include <QStringList>
#include <QStringView>

#include <utility>

/// The `${name}` placeholders of App Intents and App Shortcuts phrases, which the system
/// fills with a parameter's value (`${applicationName}`).
class Placeholders
{
public:
    /// The placeholders of `text` in order, as written.
    static QStringList of(QStringView text);
    /// What the target lacks of the source's placeholders, and what it has that the source
    /// lacks, each counted as often as it stands.
    static std::pair<QStringList, QStringList> compare(QStringView source, QStringView target);
};
