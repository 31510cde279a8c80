#pragma once

#include <string>
#include <vector>

#include "assembler/encoded_line.h"
#include "preprocess/source_line.h"

namespace qv {

// One line per encoded line: address, bytes, clean source, "//" comment;
// lines are the compile's, which the entries point into.
std::string makeListing(const std::vector<EncodedLine>& emitted, const std::vector<SourceLine>& lines);

}  // namespace qv
