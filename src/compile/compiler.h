#pragma once

#include <string>

#include "assembler/assembly.h"
#include "common/built_in_include_provider.h"
#include "common/compile_request.h"
#include "compile/compile_result.h"
#include "preprocess/preprocessor.h"

namespace qv {

// Runs one compile: preprocessing, the assembler passes and the writers, in
// that order. Make a fresh one for every compile; compile() clears it
// anyway, so reuse is harmless.
class Compiler {
 public:
  void setBuiltInIncludeProvider(BuiltInIncludeProvider provider);

  CompileResult compile(const std::string& sourcePath, const CompileRequest& request);

  Preprocessor preprocessor;
  Assembly assembly;
};

}  // namespace qv
