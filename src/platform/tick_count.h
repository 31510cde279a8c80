#pragma once

#include <cstdint>

namespace qv {

// Milliseconds from an arbitrary start; wraps like a 32-bit tick counter.
std::uint32_t tickCount();

}  // namespace qv
