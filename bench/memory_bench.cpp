// Times the translation memory on generated entries: import into a fresh database, reading a
// pair's index, and lookups against brute force (recall and scores checked).
// Usage: tarnwick-memory-bench [SIZES...]   (default 200000 1000000)
#include "memory/MemoryStore.h"
#include "memory/Similarity.h"
#include "memory/TranslationMemory.h"

#include "TextGenerator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

long peakKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct Scored
{
    int score;
    qint64 row;
};

/// Every entry scored plainly; the admitted ones, best first (ties by row, newest first).
std::vector<Scored> bruteForce(const QString &query, const std::vector<QString> &sources,
                               int minimum)
{
    std::vector<Scored> found;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const int score = Similarity::of(query, sources[i]);
        if (score >= minimum)
            found.push_back({score, qint64(i) + 1});
    }
    std::sort(found.begin(), found.end(), [](const Scored &a, const Scored &b) {
        return a.score != b.score ? a.score > b.score : a.row > b.row;
    });
    return found;
}

void run(int size)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"memory.sqlite"_s);
    TextGenerator generator(28);
    std::vector<MemoryEntry> entries;
    std::vector<QString> sources;
    entries.reserve(std::size_t(size));
    for (int i = 0; i < size; ++i) {
        const QString source = generator.sentence();
        sources.push_back(source);
        entries.push_back({source, u"訳 "_s + source.left(20), u"en"_s, u"ja"_s, u"Main.strings"_s,
                           QString::number(i), u"Bench"_s, 1000, 0});
    }
    MemoryStore store(path);
    if (!store.open()) {
        std::printf("cannot open: %s\n", qPrintable(store.errorString()));
        return;
    }
    QElapsedTimer timer;
    timer.start();
    const auto added = store.add(entries);
    const double importSeconds = timer.nsecsElapsed() / 1e9;
    if (!added) {
        std::printf("import failed: %s\n", qPrintable(store.errorString()));
        return;
    }
    entries.clear();
    entries.shrink_to_fit();

    TranslationMemory memory(store);
    timer.restart();
    const MatchIndex *index = memory.index(u"en"_s, u"ja"_s);
    const double loadSeconds = timer.nsecsElapsed() / 1e9;

    // Half the queries are near an entry, half new text.
    std::vector<QString> queries;
    for (int i = 0; i < 1000; ++i) {
        queries.push_back(i % 2 == 0
                              ? generator.edited(sources[std::size_t(i) * 97 % sources.size()])
                              : generator.sentence());
    }
    std::vector<double> times;
    for (const QString &query : queries) {
        timer.restart();
        const auto matches = memory.lookup(u"en"_s, {query, {}, {}, u"ja"_s, 70, 5});
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (!matches)
            std::printf("lookup failed\n");
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    double total = 0;
    for (const double t : times)
        total += t;

    // Brute force over a sample: the index must give exactly the admitted entries.
    std::size_t checked = 0;
    std::size_t admitted = 0;
    std::size_t found = 0;
    double bruteMs = 0;
    const int sample = size > 300000 ? 10 : 30;
    for (int i = 0; i < sample; ++i) {
        const QString &query = queries[std::size_t(i)];
        timer.restart();
        const std::vector<Scored> expected = bruteForce(query, sources, 70);
        bruteMs += timer.nsecsElapsed() / 1e6;
        const auto all = index->lookup({query, {}, {}, u"ja"_s, 70, 0});
        ++checked;
        admitted += expected.size();
        for (std::size_t k = 0; k < expected.size() && k < all.size(); ++k) {
            if (all[k].score == expected[k].score && all[k].rowId == expected[k].row)
                ++found;
        }
    }
    const double megabytes =
        QFileInfo(path).size() / 1048576.0 + QFileInfo(path + u"-wal"_s).size() / 1048576.0;
    std::printf(
        "| %d | %.2f s | %.1f MiB | %.2f s | %.1f MiB | %.2f ms | %.2f ms | %.2f ms | %.0f ms "
        "| %zu/%zu (%zu queries) | %.0f MiB |\n",
        size, importSeconds, megabytes, loadSeconds, index->bytes() / 1048576.0,
        total / double(times.size()), sorted[sorted.size() / 2], sorted[sorted.size() * 95 / 100],
        bruteMs / double(checked), found, admitted, checked, peakKib() / 1024.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::vector<int> sizes;
    for (const QString &argument : QCoreApplication::arguments().mid(1))
        sizes.push_back(argument.toInt());
    if (sizes.empty())
        sizes = {200000, 1000000};
    std::printf("| entries | import | database on disk | index read | index in memory | lookup "
                "average | median | p95 | brute force per query | brute-force matches found "
                "| peak memory |\n|--:|--:|--:|--:|--:|--:|--:|--:|--:|--:|--:|\n");
    for (const int size : sizes)
        run(size);
    return 0;
}
