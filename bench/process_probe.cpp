#include "process_probe.h"

#include <time.h>
#include <unistd.h>

#include <fstream>

namespace pelora::bench {

std::int64_t monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

long residentKibibytes() {
    std::ifstream statm("/proc/self/statm");
    long sizePages = 0;
    long residentPages = 0;
    statm >> sizePages >> residentPages;
    return residentPages * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace pelora::bench
