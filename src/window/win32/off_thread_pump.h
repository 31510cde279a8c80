#pragma once

#include <functional>

namespace qv {

// Runs work on a thread of its own and returns once it has ended. Meanwhile
// the calling thread keeps its windows drawn (paint, timer and the
// controls' own messages), drops keyboard and mouse input, and runs poll
// every few milliseconds. A quit message that arrives meanwhile is posted
// again afterwards.
void runWithPaintOnlyPump(const std::function<void()>& work, const std::function<void()>& poll);

}  // namespace qv
