#pragma once

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

private:
    bool m_switched = false;
};
