#pragma once

#include <string>

namespace qv {

// Where a message is about: a file as the compile named it and a 1-based line;
// line 0 when the message has no place.
struct MessagePlace {
  std::string file;
  int line = 0;
};

}  // namespace qv
