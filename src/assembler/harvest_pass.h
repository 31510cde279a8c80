#pragma once

#include <cstdint>
#include <vector>

#include "compile/compile_request.h"
#include "preprocess/source_line.h"

namespace qv {

class Compiler;

// First pass: defines constants, CBLOCK cells and handles, and labels at the
// addresses their statements will have.
void HarvestPass(Compiler& compiler, const std::vector<SourceLine>& lines, const CompileRequest& request);

}  // namespace qv
