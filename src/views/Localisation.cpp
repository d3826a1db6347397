#include "views/Localisation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

QString Localisation::resourceFolder()
{
    return u":/i18n"_s;
}

namespace {

// Qt's own texts for the key names menus show beside their items and for the standard
// buttons. The program's catalogue is installed after Qt's, so its translations of these
// win: Qt's Japanese catalogue spells Backspace "Backspae". Listed here so that the
// translation tools keep them in the program's catalogue.
[[maybe_unused]] constexpr const char *standardTexts[] = {
    QT_TRANSLATE_NOOP("QShortcut", "Backspace"), QT_TRANSLATE_NOOP("QShortcut", "Ctrl"),
    QT_TRANSLATE_NOOP("QShortcut", "Shift"),     QT_TRANSLATE_NOOP("QShortcut", "Alt"),
    QT_TRANSLATE_NOOP("QShortcut", "Meta"),      QT_TRANSLATE_NOOP("QShortcut", "Return"),
    QT_TRANSLATE_NOOP("QShortcut", "Enter"),     QT_TRANSLATE_NOOP("QShortcut", "Up"),
    QT_TRANSLATE_NOOP("QShortcut", "Down"),      QT_TRANSLATE_NOOP("QShortcut", "Left"),
    QT_TRANSLATE_NOOP("QShortcut", "Right"),     QT_TRANSLATE_NOOP("QShortcut", "Esc"),
    QT_TRANSLATE_NOOP("QShortcut", "Escape"),    QT_TRANSLATE_NOOP("QShortcut", "Del"),
    QT_TRANSLATE_NOOP("QShortcut", "Delete"),    QT_TRANSLATE_NOOP("QShortcut", "Tab"),
    QT_TRANSLATE_NOOP("QShortcut", "Space"),     QT_TRANSLATE_NOOP("QShortcut", "F%1"),
    QT_TRANSLATE_NOOP("QShortcut", "Home"),      QT_TRANSLATE_NOOP("QShortcut", "End"),
    QT_TRANSLATE_NOOP("QShortcut", "PgUp"),      QT_TRANSLATE_NOOP("QShortcut", "PgDown"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),   QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"), QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"), QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "No"),
};

bool install(QCoreApplication &app, const QLocale &locale, const QString &name,
             const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, u"_"_s, folder))
        return false;
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace

bool Localisation::installTranslations(QCoreApplication &app, const QLocale &locale)
{
    // English is the key; only its plural forms ("1 error", "2 errors") are looked up.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
        install(app, QLocale(QLocale::English), u"tarnwick"_s, resourceFolder());
        return false;
    }
    install(app, locale, u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(app, locale, u"tarnwick"_s, resourceFolder());
}
