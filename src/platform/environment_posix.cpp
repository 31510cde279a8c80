#include <cstdlib>

#include "platform/environment.h"

namespace qv {

std::string environmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string homeFolder() { return environmentVariable("HOME"); }

}  // namespace qv
