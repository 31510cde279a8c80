#pragma once

#include <functional>

namespace qv {

// Runs work on a thread of its own and returns once it has ended. Meanwhile
// the application keeps drawing and handling its other events, but keys,
// mouse, drops and closing are refused, and the wait cursor shows. poll runs
// on the calling thread every few milliseconds.
void RunOffWindowThread(const std::function<void()>& work, const std::function<void()>& poll);

}  // namespace qv
