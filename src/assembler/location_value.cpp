#include "assembler/location_value.h"

namespace qv {

namespace {
std::int32_t currentLocation = 0;
}

std::int32_t locationValue() { return currentLocation; }
void setLocationValue(std::int32_t value) { currentLocation = value; }

}  // namespace qv
