#pragma once

#include <string>

#include "common/built_in_include_provider.h"
#include "preprocess/pending_defines.h"
#include "preprocess/read_budget.h"
#include "preprocess/source_line.h"

namespace qv {

// Turns a source and its includes into one flat line list, with conditional
// assembly applied.
class Preprocessor {
 public:
  PreprocessResult preprocess(const std::string& sourcePath, bool includeInactive);

  BuiltInIncludeProvider builtInIncludeProvider;
  // Defines whose value text has no value yet; emptied by every preprocess.
  PendingDefines pendingDefines;
  SourceReadLimits readLimits;
};

}  // namespace qv
