#pragma once

#include <QFileDevice>

/// While it lives, file access on this thread is checked as the user "nobody" when the
/// process runs as root, so permission tests mean the same for root (as in CI containers)
/// as for anyone else. Does nothing for other users.
class Unprivileged
{
public:
    Unprivileged();
    ~Unprivileged();
    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

    /// Folder permissions (0755) that let the unprivileged user in. The group bits count
    /// too: that user may still share root's supplementary group.
    static constexpr QFileDevice::Permissions reachable =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
        QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
        QFileDevice::ExeOther;

private:
    bool m_switched = false;
};
