#pragma once

namespace qv {

// Hands the heap's free pages back to the system, so that a big compile that
// is over no longer weighs on the process's memory. Costs a few
// milliseconds; does nothing where the heap cannot do it.
void returnFreeMemory();

}  // namespace qv
