#pragma once

#include <cstdio>
#include <ctime>

// Prints the moment of the first paint on the system's monotonic clock, in
// nanoseconds, for the start-up benchmark that started this process.
inline void reportFirstPaint() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
    std::fflush(stdout);
}
