#include "platform/resources.h"

#include "platform/embedded_resource_table.h"

namespace qv {

bool findRawResource(int id, std::string_view& bytes) {
  for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
    if (kEmbeddedResources[i].id == id) {
      bytes = std::string_view(reinterpret_cast<const char*>(kEmbeddedResources[i].bytes),
                               kEmbeddedResources[i].size);
      return true;
    }
  }
  return false;
}

}  // namespace qv
