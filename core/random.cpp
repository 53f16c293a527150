#include "random.h"

#include <time.h>

#include <algorithm>

namespace namer {

namespace {

thread_local uint32_t state = 1;

// One step of the linear congruential generator; its 15 high-middle bits.
int32_t nextRaw() {
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & 0x7FFF);
}

}  // namespace

void seedRandom(int32_t seed) {
    state = static_cast<uint32_t>(seed);
}

int32_t randomInRange(int32_t lo, int32_t hi) {
    lo = std::max(lo, 0);
    hi = std::max(hi, 0);
    const int32_t low = std::min(lo, hi);
    const int32_t high = std::max(lo, hi);
    if (low == high) {
        return low;
    }
    const int32_t span = std::min(high - low, 2147483646);
    return low + nextRaw() % (span + 1);
}

int32_t uptimeMs() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const uint64_t ms =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<int32_t>(static_cast<uint32_t>(ms));
}

}  // namespace namer
