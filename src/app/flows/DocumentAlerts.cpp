#include "app/flows/DocumentAlerts.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

// The warning after a partial save names this many units; the rest are in its details.
constexpr std::size_t unwrittenListed = 12;

QString describe(const UnwrittenUnit &unit)
{
    const QString name = unit.name.value_or(QString());
    const QString file = unit.from.value_or(QString());
    if (file.isEmpty())
        return name;
    return DocumentAlerts::tr("%1 (in %2)").arg(name, file);
}

} // namespace

void DocumentAlerts::openFailed(QWidget *window, const QString &path, const ReadResult &result)
{
    const QString file = QDir::toNativeSeparators(path);
    const QString where = result.line > 0 ? tr("%1: line %2, column %3: %4")
                                                .arg(file)
                                                .arg(result.line)
                                                .arg(result.column)
                                                .arg(result.errorString)
                                          : tr("%1: %2").arg(file, result.errorString);
    show(window, tr("Could Not Open"), where);
}

void DocumentAlerts::show(QWidget *window, const QString &title, const QString &text,
                          const QString &details)
{
    auto *alert = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), title,
                                  QMessageBox::Ok, window);
    alert->setInformativeText(text);
    if (!details.isEmpty())
        alert->setDetailedText(details);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->open();
}

void DocumentAlerts::saveFailed(QWidget *window, const QString &reason)
{
    show(window, tr("Failed"), tr("Could not save."), reason);
}

void DocumentAlerts::unwritten(QWidget *window, const std::vector<UnwrittenUnit> &units)
{
    QStringList listed;
    QStringList all;
    for (const UnwrittenUnit &unit : units) {
        all.append(describe(unit));
        if (listed.size() < static_cast<qsizetype>(unwrittenListed))
            listed.append(describe(unit));
    }
    QString text = tr("The file was saved, but the targets of these units could not be "
                      "written into it:") +
                   u"\n\n"_s + listed.join(u'\n');
    if (units.size() > unwrittenListed)
        text +=
            u'\n' + tr("and %n more", nullptr, static_cast<int>(units.size() - unwrittenListed));
    show(window, tr("Some Targets Not Saved"), text, all.join(u'\n'));
}
