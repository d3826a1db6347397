#pragma once

// A scratch folder for runs of the command-line tool that write files: the sample export as
// doc.xliff, inside an .xcloc package and twice in one folder, an edit of its unit 2 in
// edits.jsonl, a FIFO, and a data folder of the tool's own.
#include "ExpatReadBack.h"
#include "TestFiles.h"
#include "cli/CliRun.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include <sys/stat.h>

namespace CliScratchData {

inline const QString sample = QStringLiteral(TARNWICK_SAMPLE);
/// Unit 2 of the sample, "Preferences…", has no target.
inline const QByteArray edit = "{\"port\": 2, \"tget\": \"設定…\"}\n";
inline const QString edited = QStringLiteral("設定…");

/// The target of unit `port` as expat reads it from `bytes`; "<not well-formed>" otherwise.
inline std::optional<QString> targetOf(const QByteArray &bytes, int port)
{
    const auto targets = ExpatReadBack::targets(bytes);
    if (!targets || port >= targets->size())
        return QStringLiteral("<not well-formed>");
    return targets->at(port);
}

} // namespace CliScratchData

class CliScratch
{
public:
    /// Lays the folder out anew; false when it could not be.
    bool setUp()
    {
        using namespace Qt::StringLiterals;
        m_dir = std::make_unique<QTemporaryDir>();
        if (!m_dir->isValid())
            return false;
        m_original = TestFiles::read(CliScratchData::sample);
        const QDir dir(m_dir->path());
        if (!dir.mkpath(u"pkg.xcloc/Localized Contents"_s) || !dir.mkpath(u"two"_s) ||
            !dir.mkpath(u"folder"_s) || !dir.mkpath(u"data/Tarnwick/Tarnwick"_s))
            return false;
        for (const QString &name : {u"doc.xliff"_s, u"pkg.xcloc/Localized Contents/ja.xliff"_s,
                                    u"two/a.xliff"_s, u"two/b.xliff"_s}) {
            if (!TestFiles::write(path(name), m_original))
                return false;
        }
        return TestFiles::write(path(u"edits.jsonl"_s), CliScratchData::edit) &&
               ::mkfifo(QFile::encodeName(path(u"pipe"_s)).constData(), 0600) == 0;
    }

    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    QString root() const { return m_dir->path(); }
    /// The bytes a refused run must leave a document as: the sample's, unless a test gives a
    /// document of its own.
    const QByteArray &original() const { return m_original; }
    QByteArray &original() { return m_original; }

    /// Runs the tool in the folder, so callers name files by relative paths.
    CliRun run(const QStringList &arguments, const QString &outputFile = {}) const
    {
        return runCli(arguments, CliSetup{path(QStringLiteral("data")), m_dir->path(), outputFile});
    }

    /// The run failed with `message` and left `document` as it was.
    void expectRefused(const CliRun &run, const QString &message, const QString &document) const
    {
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(TestFiles::read(path(document)), m_original);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_original;
};
