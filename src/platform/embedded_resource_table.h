#pragma once
// The table the build generates from resources/ (see cmake/EmbedResources.cmake).

#include <cstddef>

namespace qv {

struct EmbeddedResource {
  int id;
  const unsigned char* bytes;
  std::size_t size;
};

extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;

}  // namespace qv
