#include "platform/local_time.h"

namespace qv {

bool localTime(std::time_t time, std::tm& local) { return localtime_s(&local, &time) == 0; }

}  // namespace qv
