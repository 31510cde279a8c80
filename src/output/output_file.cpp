#include "output/output_file.h"

#include "platform/files.h"

namespace qv {

bool writeOutputFile(const std::string& path, std::string_view text, std::string_view openFailure,
                     std::string& message) {
  FileWrite outcome = writeWholeFile(path, text);
  if (outcome.written) return true;
  message = outcome.opened ? "Unable to write " + path + ": " + outcome.failure : std::string(openFailure) + path;
  return false;
}

}  // namespace qv
