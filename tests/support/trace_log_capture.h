#pragma once
// Points the temporary folder, and with it the trace log, at a fresh folder
// for as long as the object lives.

#include <string>
#include <vector>

#include "platform/trace_log.h"
#include "support/environment_variable.h"
#include "support/test_support.h"

namespace qv::test {

class TraceLogCapture {
 public:
  TraceLogCapture() : variable_(kTemporaryFolderVariable, folder_.path()) {}

  std::string text() const { return readFile(traceLogPath()); }

  // The lines without their CR LF ends.
  std::vector<std::string> lines() const {
    std::vector<std::string> result;
    std::string all = text();
    std::size_t start = 0;
    for (std::size_t end; (end = all.find("\r\n", start)) != std::string::npos; start = end + 2) {
      result.push_back(all.substr(start, end - start));
    }
    return result;
  }

 private:
  TempFolder folder_;
  EnvironmentVariable variable_;
};

}  // namespace qv::test
