#pragma once

#include <string>
#include <vector>

#include "assembler/encoded_line.h"

namespace qv {

// One line per encoded line: address, bytes, clean source, "//" comment.
std::string makeListing(const std::vector<EncodedLine>& emitted);

}  // namespace qv
