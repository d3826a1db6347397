#include "app/flows/SaveRunner.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QThread>

namespace {

// A save that takes longer than this shows that it is working.
constexpr int busyAfterMs = 500;

QStatusBar *statusBarOf(QWidget *window)
{
    auto *main = qobject_cast<QMainWindow *>(window);
    return main ? main->statusBar() : nullptr;
}

} // namespace

SaveRunner::SaveRunner(QObject *parent) : QObject(parent)
{
    m_busyDelay.setSingleShot(true);
    m_busyDelay.setInterval(busyAfterMs);
    connect(&m_busyDelay, &QTimer::timeout, this, &SaveRunner::showBusy);
}

SaveRunner::~SaveRunner()
{
    if (m_thread)
        m_thread->wait();
}

bool SaveRunner::run(QWidget *window, const QString &path, std::function<void()> work,
                     std::function<void()> done)
{
    if (m_running)
        return false;
    if (QFileInfo(path).size() < m_backgroundFrom) {
        work();
        done();
        emit finished();
        return true;
    }
    m_running = true;
    m_done = std::move(done);
    m_window = window;
    auto *main = qobject_cast<QMainWindow *>(window);
    m_table = main ? main->centralWidget() : nullptr;
    if (m_table)
        m_table->setEnabled(false);
    m_thread.reset(QThread::create(std::move(work)));
    connect(m_thread.get(), &QThread::finished, this, &SaveRunner::finish);
    m_busyDelay.start();
    m_thread->start();
    return true;
}

void SaveRunner::showBusy()
{
    if (!m_running || !m_window)
        return;
    m_window->setCursor(Qt::BusyCursor);
    QStatusBar *status = statusBarOf(m_window);
    if (!status)
        return;
    status->showMessage(tr("Saving…"));
    m_progress = new QProgressBar(status);
    m_progress->setRange(0, 0); // no steps to count: it moves while the save works
    m_progress->setMaximumWidth(160);
    status->addPermanentWidget(m_progress);
}

void SaveRunner::finish()
{
    m_thread->wait();
    m_thread.reset();
    m_busyDelay.stop();
    if (m_table)
        m_table->setEnabled(true);
    if (m_window) {
        m_window->unsetCursor();
        if (QStatusBar *status = statusBarOf(m_window)) {
            status->clearMessage();
            if (m_progress)
                status->removeWidget(m_progress);
        }
    }
    if (m_progress)
        m_progress->deleteLater();
    m_running = false;
    const std::function<void()> done = std::exchange(m_done, {});
    done();
    emit finished();
}
