#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "assembler/encoded_line.h"

namespace qv {

// The image as Intel HEX text with CR LF line ends.
std::string makeHexText(const std::vector<EncodedLine>& emitted, std::int32_t addressOffset);

// Writes makeHexText to path (writeOutputFile); false with "Unable to open
// output HEX file: " + path when the file cannot be opened, else with
// "Unable to write PATH: REASON".
bool writeHexFile(const std::string& path, const std::vector<EncodedLine>& emitted, std::string& errorMessage,
                  std::int32_t addressOffset);

}  // namespace qv
