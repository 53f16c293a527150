#pragma once

#include <cstdint>

namespace namer {

// The generator state (one 32-bit word per thread, 1 until seeded) becomes seed, read unsigned.
void seedRandom(int32_t seed);
// A value in the closed range of the two bounds, given in either order; negative bounds count as
// 0. Equal bounds return that bound without advancing the generator. Draws 15 bits, so a span
// above 32768 values never yields its upper values.
int32_t randomInRange(int32_t lo, int32_t hi);
// Milliseconds since the operating system started, truncated to 32 bits (so it wraps).
int32_t uptimeMs();

}  // namespace namer
