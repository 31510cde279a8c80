#pragma once

#include <ctime>

namespace qv {

// The calendar time in the local time zone; false when it cannot be had.
bool localTime(std::time_t time, std::tm& local);

}  // namespace qv
