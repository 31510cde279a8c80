#pragma once
// The value of "$". The evaluator's location function takes no argument,
// so the value is held once for the process; only one compile runs at a time.

#include <cstdint>

namespace qv {

std::int32_t locationValue();
void setLocationValue(std::int32_t value);

}  // namespace qv
