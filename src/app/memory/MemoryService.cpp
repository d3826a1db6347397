#include "app/memory/MemoryService.h"

#include "memory/MemoryStore.h"

/// The store and its lookups, opened on first use.
struct MemoryService::Backend
{
    QString path;
    std::unique_ptr<MemoryStore> store;
    std::unique_ptr<TranslationMemory> memory;
    bool failed = false;
};

MemoryService::MemoryService(QString path, QObject *parent)
    : QObject(parent), m_context(std::make_unique<QObject>()),
      m_backend(std::make_shared<Backend>())
{
    m_backend->path = std::move(path);
    m_context->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("Translation memory"));
    m_thread.start(QThread::LowPriority);
}

MemoryService::~MemoryService()
{
    // Reads still queued are dropped and an index being read is left, but what the user
    // saved is still written: the thread ends after the work already queued.
    m_stopping = true;
    QMetaObject::invokeMethod(
        m_context.get(), [this] { m_thread.quit(); }, Qt::QueuedConnection);
    m_thread.wait();
}

void MemoryService::report(const QString &message)
{
    QMetaObject::invokeMethod(
        this, [this, message] { emit problem(message); }, Qt::QueuedConnection);
}

void MemoryService::post(std::function<void(Backend &)> work)
{
    const std::shared_ptr<Backend> backend = m_backend;
    QMetaObject::invokeMethod(
        m_context.get(),
        [this, backend, work = std::move(work)] {
            if (backend->failed)
                return;
            if (!backend->store) {
                backend->store = std::make_unique<MemoryStore>(backend->path);
                const bool opened = backend->store->open();
                if (!backend->store->notice().isEmpty())
                    report(backend->store->notice());
                if (!opened) {
                    backend->failed = true;
                    report(tr("The translation memory %1 could not be opened: %2")
                               .arg(backend->path, backend->store->errorString()));
                    return;
                }
                backend->memory =
                    std::make_unique<TranslationMemory>(*backend->store, &m_stopping);
            }
            work(*backend);
        },
        Qt::QueuedConnection);
}

quint64 MemoryService::lookup(const QString &sourceLanguage, const MatchIndex::Query &query)
{
    const quint64 ticket = ++m_latest;
    post([this, ticket, sourceLanguage, query](Backend &backend) {
        if (ticket != m_latest.load() || m_stopping)
            return; // the user has moved on
        const auto matches = backend.memory->distinctLookup(sourceLanguage, query, query.limit);
        if (m_stopping)
            return;
        if (!matches)
            return report(tr("The translation memory could not be read: %1")
                              .arg(backend.store->errorString()));
        QMetaObject::invokeMethod(
            this, [this, ticket, found = *matches] { emit matchesFound(ticket, found); },
            Qt::QueuedConnection);
    });
    return ticket;
}

void MemoryService::remember(std::vector<MemoryEntry> entries)
{
    if (entries.empty())
        return;
    post([this, entries = std::move(entries)](Backend &backend) {
        if (!backend.store->add(entries)) {
            return report(tr("The translations could not be added to the memory: %1")
                              .arg(backend.store->errorString()));
        }
        backend.memory->forget();
    });
}

void MemoryService::pretranslate(std::vector<UnitRecord> rows, std::vector<FileHeader> files,
                                 Pretranslation::Options options)
{
    post([this, rows = std::move(rows), files = std::move(files), options](Backend &backend) {
        if (m_stopping)
            return;
        Pretranslation::Result result = Pretranslation::run(rows, files, *backend.memory, options);
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { emit pretranslated(result); },
            Qt::QueuedConnection);
    });
}

void MemoryService::search(const QString &text, int limit)
{
    post([this, text, limit](Backend &backend) {
        if (m_stopping)
            return;
        auto found = backend.store->search(text, limit);
        if (!found)
            return report(tr("The translation memory could not be read: %1")
                              .arg(backend.store->errorString()));
        QMetaObject::invokeMethod(
            this, [this, text, entries = std::move(*found)] { emit searched(text, entries); },
            Qt::QueuedConnection);
    });
}

void MemoryService::removeEntries(std::vector<qint64> rowIds)
{
    post([this, rowIds = std::move(rowIds)](Backend &backend) {
        const auto count = backend.store->removeEntries(rowIds);
        if (!count)
            return report(
                tr("The entries could not be deleted: %1").arg(backend.store->errorString()));
        backend.memory->forget();
        QMetaObject::invokeMethod(
            this, [this, removed = *count] { emit this->removed(removed); }, Qt::QueuedConnection);
    });
}
