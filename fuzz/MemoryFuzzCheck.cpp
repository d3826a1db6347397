#include "MemoryFuzzCheck.h"

#include "memory/CodePointReader.h"
#include "memory/MatchIndex.h"
#include "memory/Similarity.h"
#include "memory/TmxReader.h"
#include "memory/TmxWriter.h"

#include <QStringList>

#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 now = 1700000000;
constexpr qsizetype mostLines = 48;
constexpr qsizetype longestLine = 150; // past 128: the distance's two-word path too

QString describe(const MemoryEntry &entry)
{
    return u"[%1|%2|%3|%4|%5|%6|%7|%8]"_s.arg(entry.source, entry.target, entry.sourceLanguage,
                                              entry.targetLanguage, entry.original, entry.unitId,
                                              entry.project)
        .arg(entry.created);
}

bool same(const MemoryEntry &a, const MemoryEntry &b)
{
    return a.source == b.source && a.target == b.target &&
           a.sourceLanguage == b.sourceLanguage && a.targetLanguage == b.targetLanguage &&
           a.original == b.original && a.unitId == b.unitId && a.project == b.project &&
           a.created == b.created;
}

/// Entries written as TMX, one document per source language, read back as they were.
QString roundTrip(const std::vector<MemoryEntry> &entries)
{
    std::map<QString, std::vector<MemoryEntry>> bySource;
    for (const MemoryEntry &entry : entries)
        bySource[entry.sourceLanguage].push_back(entry);
    for (const auto &[language, group] : bySource) {
        TmxWriter writer(language, now);
        std::vector<MemoryEntry> written;
        for (const MemoryEntry &entry : group) {
            if (writer.add(entry))
                written.push_back(entry);
        }
        const TmxReader::Result back = TmxReader::read(writer.finish(), u"Fuzz"_s, now);
        if (!back.complete)
            return u"our TMX does not read back: "_s + back.errorString;
        if (back.entries.size() != written.size())
            return u"%1 entries written, %2 read back"_s.arg(written.size())
                .arg(back.entries.size());
        for (std::size_t i = 0; i < written.size(); ++i) {
            if (!same(written[i], back.entries[i]))
                return u"written %1, read back %2"_s.arg(describe(written[i]),
                                                        describe(back.entries[i]));
        }
    }
    return {};
}

std::vector<char32_t> codePoints(QStringView text)
{
    std::vector<char32_t> points;
    for (CodePointReader reader{text}; !reader.atEnd();)
        points.push_back(reader.next());
    return points;
}

/// Levenshtein's table, row by row: slow and plain, the measure the index is held to.
int plainDistance(const std::vector<char32_t> &a, const std::vector<char32_t> &b)
{
    std::vector<int> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1,
                               diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

/// The lines as a memory: a lookup of the first finds exactly what the plain measure admits.
QString lookup(QByteArrayView data)
{
    QStringList lines = QString::fromUtf8(data).split(u'\n');
    if (lines.size() > mostLines)
        lines.resize(mostLines);
    for (QString &line : lines)
        line.truncate(longestLine);
    const int minimum = data.isEmpty() ? 70 : uchar(data.back()) % 101;
    const QString query = lines.front();
    const std::vector<char32_t> wanted = codePoints(Similarity::comparable(query));
    if (wanted.empty())
        return {};
    MatchIndex index;
    std::map<qint64, int> expected;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        index.add({lines[i], {}, u"en"_s, u"ja"_s, {}, {}, {}, i, i + 1});
        const std::vector<char32_t> other = codePoints(Similarity::comparable(lines[i]));
        const int longer = int(std::max(wanted.size(), other.size()));
        const int score = Similarity::score(plainDistance(wanted, other), longer, longer);
        if (score >= minimum)
            expected[i + 1] = score;
    }
    index.finish();
    const std::vector<MatchIndex::Hit> hits = index.lookup({query, {}, {}, u"ja"_s, minimum, 0});
    std::map<qint64, int> found;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        if (i > 0 && hits[i].score > hits[i - 1].score)
            return u"hits not best first"_s;
        found[hits[i].rowId] = hits[i].score;
    }
    if (found == expected)
        return {};
    for (const auto &[row, score] : expected) {
        const auto hit = found.find(row);
        if (hit == found.end())
            return u"missed \"%1\" (%2) for \"%3\" at minimum %4"_s.arg(lines[row - 1])
                .arg(score)
                .arg(query)
                .arg(minimum);
        if (hit->second != score)
            return u"scored \"%1\" %2, not %3"_s.arg(lines[row - 1]).arg(hit->second).arg(score);
    }
    return u"found entries the minimum does not admit"_s;
}

} // namespace

namespace MemoryFuzzCheck {

QString check(QByteArrayView data)
{
    const TmxReader::Result read = TmxReader::read(data, u"Fuzz"_s, now);
    if (!read.complete && read.errorString.isEmpty())
        return u"TMX not read, and no reason given"_s;
    if (const QString problem = roundTrip(read.entries); !problem.isEmpty())
        return problem;
    return lookup(data);
}

} // namespace MemoryFuzzCheck
