#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QProgressBar;
class QThread;

/// Runs a save's work and keeps the window alive while it does. A large file is saved on a
/// thread of its own, so the window repaints; meanwhile the window's table is disabled, so no
/// row is edited under the save, and once the save has taken half a second a busy cursor and
/// a progress indication in the status bar say that it is still working. A small file is
/// saved at once, as quick as any other command.
class SaveRunner : public QObject
{
    Q_OBJECT

public:
    explicit SaveRunner(QObject *parent = nullptr);
    /// Waits for a save still running: the file is written in full or not at all.
    ~SaveRunner() override;

    /// Files of at least this many bytes are saved off the main thread.
    void setBackgroundFrom(qint64 bytes) { m_backgroundFrom = bytes; }

    bool isRunning() const { return m_running; }

    /// Runs `work` (on a thread of its own when the file at `path` is large), then `done` on
    /// this object's thread. `window` shows the save's progress. Refused (false) while
    /// another save runs.
    bool run(QWidget *window, const QString &path, std::function<void()> work,
             std::function<void()> done);

signals:
    /// After `done` ran.
    void finished();

private:
    void showBusy();
    void finish();

    qint64 m_backgroundFrom = 1024 * 1024;
    bool m_running = false;
    std::unique_ptr<QThread> m_thread;
    std::function<void()> m_done;
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_table;
    QPointer<QProgressBar> m_progress;
    QTimer m_busyDelay;
};
