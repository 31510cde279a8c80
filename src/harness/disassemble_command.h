#pragma once

#include "harness/harness_options.h"

namespace qv {

// --disassemble: writes the source of the image and returns the exit code
// (0 written, 1 the source file exists, 2 image or map not readable, 3 not
// an image it can read back, or the source could not be written).
int runDisassembleCommand(const HarnessOptions& options);

}  // namespace qv
