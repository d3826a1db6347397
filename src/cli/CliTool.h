#pragma once

#include "document/ReadResult.h"
#include "splice/SpliceResult.h"
#include "xliff/ProcessState.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <optional>

/// `tarnwick-cli`: the core on the command line, for scripts and CI.
class CliTool
{
    Q_DECLARE_TR_FUNCTIONS(CliTool)

public:
    enum Exit
    {
        Success = 0,
        Error = 1,
        Usage = 2,
        PartlyWritten = 3
    };

    CliTool(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    /// Runs one command; `arguments` excludes the program name.
    int run(const QStringList &arguments);

    // What the commands share: each command lives in a class of its own (`UnitsCommand`,
    // `ApplyCommand`, …) and reads, saves and reports through these.
    struct Document
    {
        QString path;
        QByteArray bytes; ///< the file as read
        ReadResult content;
        /// The language read from a String Catalog; empty for an export.
        QString catalogLanguage;
    };

    struct Options
    {
        QStringList positional;
        QString output;     ///< -o
        QString dictionary; ///< --dictionary
    };

    QTextStream &out() { return m_out; }
    QTextStream &err() { return m_err; }
    /// Splits -o FILE (and --dictionary FILE) from the positional arguments.
    std::optional<Options> options(const QStringList &arguments, bool takesDictionary);
    /// Resolves a file or folder to its one XLIFF file and reads it; reports failures. The
    /// document stays with the tool until the process ends (see `main()`).
    Document *load(const QString &path);
    /// Splices the document's rows into the bytes it was read from (which it takes), writes
    /// them to `target` and reports what did not land.
    int save(Document &document, const QString &target);
    int usage(const QString &problem);
    int fail(const QString &message);
    /// The language `--language` named (for String Catalogs); empty when none was.
    const QString &language() const { return m_language; }
    /// Writes UTF-8 output as it is, past the text stream's encoding; false when it fails.
    bool writeOut(QByteArrayView utf8);

private:
    int command(const QStringList &arguments);
    /// Flushes standard output; a command whose output was lost fails.
    int finish(int exit);
    /// Lists the targets a save could not place (exit 3), or says all went well.
    int reportUnplaced(const SpliceResult &result, const QString &target);
    /// Why `command` cannot run on a String Catalog among `arguments` without --language.
    QString languageNeeded(const QString &command, const QStringList &arguments) const;
    /// `load` and `save` for a String Catalog, one language of it.
    Document *loadCatalog(const QString &path);
    int saveCatalog(Document &document, const QString &target);

    QTextStream &m_out;
    QTextStream &m_err;
    ProcessState m_state;
    std::optional<Document> m_document; ///< the document read last
    bool m_outputFailed = false;        ///< a write failed and was reported
    QString m_language;                 ///< --language, taken before the command runs
};
