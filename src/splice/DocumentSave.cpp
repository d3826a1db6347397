#include "splice/DocumentSave.h"

#include "files/DocumentFile.h"
#include "files/StagedFile.h"
#include "splice/XliffWriter.h"

DocumentSave::Outcome DocumentSave::run(const QString &source, std::span<const UnitRecord> rows,
                                        const QString &target)
{
    DocumentFile::Bytes file = DocumentFile::read(source);
    if (file.error.isEmpty())
        return run(std::move(file.bytes), rows, target);
    Outcome outcome;
    outcome.packed.unreadable = true;
    outcome.packed.errorString = file.error;
    return outcome;
}

DocumentSave::Outcome DocumentSave::run(QByteArray sourceBytes, std::span<const UnitRecord> rows,
                                        const QString &target)
{
    // A pipe or a device has no temporary name to write to while the new file is read back:
    // it gets the bytes once they are proven.
    if (DocumentFile::isStream(target))
        return runToStream(std::move(sourceBytes), rows, target);
    StagedFile file(target);
    QByteArray staged; // shares the bytes written, so their address stays theirs
    bool stagedOk = false;
    QString error;
    const auto stage = [&](const QByteArray &bytes) {
        staged = bytes;
        stagedOk = DocumentFile::stage(file, bytes, &error);
    };
    Outcome outcome;
    outcome.packed = XliffWriter::splice(std::move(sourceBytes), rows, stage);
    const std::optional<QByteArray> &bytes = outcome.packed.bytes;
    // Dropping `file` unrenamed removes whatever was staged.
    if (!bytes || bytes->isEmpty())
        return outcome;
    // Targets placed after the first read-back, or a file the one-pass splice handed on,
    // give bytes other than those staged: those are written now.
    const bool stagedTheseBytes = !staged.isNull() && staged.constData() == bytes->constData() &&
                                  staged.size() == bytes->size();
    staged = QByteArray();
    if (!stagedTheseBytes) {
        file.cancel();
        StagedFile again(target);
        outcome.written =
            DocumentFile::stage(again, *bytes, &error) && DocumentFile::commit(again, &error);
    } else {
        outcome.written = stagedOk && DocumentFile::commit(file, &error);
    }
    if (!outcome.written)
        outcome.writeError = error;
    return outcome;
}

DocumentSave::Outcome DocumentSave::runToStream(QByteArray sourceBytes,
                                                std::span<const UnitRecord> rows,
                                                const QString &target)
{
    Outcome outcome;
    outcome.packed = XliffWriter::splice(std::move(sourceBytes), rows);
    const std::optional<QByteArray> &bytes = outcome.packed.bytes;
    if (!bytes || bytes->isEmpty())
        return outcome;
    outcome.written = DocumentFile::write(target, *bytes, &outcome.writeError);
    return outcome;
}
