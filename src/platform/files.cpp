#include "platform/files.h"

namespace qv {

bool writeWholeFile(std::string_view path, std::string_view bytes) {
  std::FILE* file = openFile(path, "wb");
  if (file == nullptr) return false;
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return true;
}

}  // namespace qv
