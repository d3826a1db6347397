#include "Unprivileged.h"

#include <sys/fsuid.h>
#include <unistd.h>

namespace {

constexpr uid_t nobody = 65534; // and its group, nogroup

} // namespace

Unprivileged::Unprivileged()
{
    if (geteuid() != 0)
        return;
    // Changing the file-system uid away from 0 also drops the capabilities that let root
    // ignore permissions; changing it back restores them.
    setfsgid(nobody);
    setfsuid(nobody);
    m_switched = true;
}

Unprivileged::~Unprivileged()
{
    if (m_switched) {
        setfsuid(0);
        setfsgid(0);
    }
}
