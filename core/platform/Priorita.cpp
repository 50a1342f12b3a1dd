#include "platform/Priorita.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace veltra {

void AbbassaPrioritaThread() {
#if defined(__linux__)
    // On Linux the nice value belongs to the thread: this one only.
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    const int attuale = ::getpriority(PRIO_PROCESS, tid);
    if (attuale < 10) (void)::setpriority(PRIO_PROCESS, tid, 10);
#endif
}

} // namespace veltra
