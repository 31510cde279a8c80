#include "platform/trace_log.h"

#include <cstdarg>
#include <cstdio>

#include "platform/files.h"

namespace qv {

namespace {

constexpr const char* kTraceLogName = "Quaverton_Startup.log";

}  // namespace

std::string traceLogPath() { return temporaryFolder() + kTraceLogName; }

void traceLog(const char* format, ...) {
  if (format == nullptr) return;
  char buffer[1024];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);
  std::string folder = temporaryFolder();
  // Without a temporary folder the line would land in the current one.
  if (folder.empty()) return;
  std::FILE* file = openFile(folder + kTraceLogName, "ab");
  if (file == nullptr) return;
  std::fprintf(file, "%s\r\n", buffer);
  std::fclose(file);
}

}  // namespace qv
