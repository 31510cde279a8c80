#pragma once

#include <string>

namespace qv {

// Appends one printf-style line, ended by CR LF, to "Quaverton_Startup.log"
// in the temporary folder. Results longer than 1023 characters are cut.
// Failures are silent; a null format does nothing.
void traceLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string traceLogPath();

}  // namespace qv
