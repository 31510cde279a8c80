#pragma once

#include <vector>

#include "preprocess/source_line.h"

namespace qv {

struct Assembly;

// Moves labels that the harvest pass placed short of their statements (a
// PLAY sized before its handle's value was known) to their true addresses,
// re-settling the values after each round; at most 6 rounds.
void relocateLabels(Assembly& assembly, const std::vector<SourceLine>& lines);

}  // namespace qv
