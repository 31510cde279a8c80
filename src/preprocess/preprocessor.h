#pragma once

#include <map>
#include <string>

#include "compile/built_in_include_provider.h"
#include "preprocess/source_line.h"
#include "preprocess/text.h"

namespace qv {

// Turns a source and its includes into one flat line list, with conditional
// assembly applied.
class Preprocessor {
 public:
  PreprocessResult preprocess(const std::string& sourcePath, bool includeInactive);

  BuiltInIncludeProvider builtInIncludeProvider;
  // Upper-cased define name -> value text that has no value yet.
  std::map<std::string, std::string, NoCaseLess> pendingDefines;
};

}  // namespace qv
