#include "app/tick_count.h"

#include <time.h>

namespace taalspoor {

std::int64_t system_tick_count() {
    // CLOCK_BOOTTIME keeps counting while the system sleeps, as an uptime should.
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace taalspoor
