#pragma once

#include <cstdint>
#include <vector>

#include "common/compile_request.h"
#include "preprocess/source_line.h"

namespace qv {

struct Assembly;

// First pass: defines constants, CBLOCK cells and handles, and labels at the
// addresses their statements will have.
void HarvestPass(Assembly& assembly, const std::vector<SourceLine>& lines, const CompileRequest& request);

// Once the values are settled: warns about every definition whose value the
// harvest could not evaluate and that still has none (its symbol stays 0).
void warnUnevaluatedDefinitions(Assembly& assembly, const std::vector<SourceLine>& lines);

}  // namespace qv
