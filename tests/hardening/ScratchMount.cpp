#include "ScratchMount.h"

#include <QFile>

#include <sys/mount.h>

ScratchMount::ScratchMount(const QString &folder, qint64 bytes) : m_folder(folder)
{
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    m_mounted =
        mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) == 0;
}

ScratchMount::~ScratchMount()
{
    if (m_mounted)
        umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

bool ScratchMount::makeReadOnly()
{
    return m_mounted && mount("tmpfs", QFile::encodeName(m_folder).constData(), "tmpfs",
                              MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
