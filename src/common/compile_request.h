#pragma once

#include <cstdint>
#include <string>

namespace qv {

// Progress report: (context, done, total, phase). Phases are "Start",
// "Harvest" and "Encode".
using ProgressCallback = void (*)(void* context, std::uint32_t done, std::uint32_t total, const char* phase);

struct CompileRequest {
  std::string suffix;
  std::string outputDir;
  bool writeOutputs = true;
  bool includeInactive = false;
  // The HEX, MAP, LST and SYM texts stay in the result. A caller that only
  // wants the files (the harness) says false: each text then goes once it
  // is written, so that the four are never held at once.
  bool keepTexts = true;
  ProgressCallback progressCallback = nullptr;
  void* progressContext = nullptr;
};

inline CompileRequest makeCompileRequest(std::string suffix, std::string outputDir, bool writeOutputs,
                                         bool includeInactive) {
  CompileRequest request;
  request.suffix = std::move(suffix);
  request.outputDir = std::move(outputDir);
  request.writeOutputs = writeOutputs;
  request.includeInactive = includeInactive;
  return request;
}

}  // namespace qv
