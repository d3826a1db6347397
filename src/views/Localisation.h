#pragma once

#include <QString>

class QCoreApplication;
class QLocale;

/// Loads the user-interface translations for a locale: the application's own (compiled
/// into this library) and Qt's for its standard buttons and dialogs. English is the key
/// and the fallback, so for it only the plural forms of counts are loaded.
class Localisation
{
public:
    /// Installs the translators on the application, which owns them. Call before any
    /// widget is created. True when the application's own translation was found.
    static bool installTranslations(QCoreApplication &app, const QLocale &locale);

    /// The resource folder that holds the compiled application translations.
    static QString resourceFolder();
};
