#include "platform/trace_log.h"

#include <cstdarg>
#include <cstdio>

#include "platform/files.h"

namespace qv {

std::string traceLogPath() { return temporaryFolder() + "Quaverton_Startup.log"; }

void traceLog(const char* format, ...) {
  if (format == nullptr) return;
  char buffer[1024];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);
  std::FILE* file = std::fopen(traceLogPath().c_str(), "ab");
  if (file == nullptr) return;
  std::fprintf(file, "%s\r\n", buffer);
  std::fclose(file);
}

}  // namespace qv
