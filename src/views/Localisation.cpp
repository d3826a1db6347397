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
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return false;
    install(app, locale, u"qtbase"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(app, locale, u"tarnwick"_s, resourceFolder());
}
