// Linux keeps a nice value per thread: the calling thread's alone is raised.
#include "tap/ThreadPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tap {

namespace {
// About a tenth of the processor against threads at the usual 0, when they compete.
constexpr int DECODING_NICE = 10;
} // namespace

void GiveWayToPassThrough() {
    const auto thread = static_cast<id_t>(::syscall(SYS_gettid));
    // A thread may always lower its own priority; failing, it keeps the one it has.
    (void)::setpriority(PRIO_PROCESS, thread, DECODING_NICE);
}

} // namespace tap
