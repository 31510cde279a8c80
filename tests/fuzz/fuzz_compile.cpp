// The whole compile pipeline on one source and up to two include files it
// may INCLUDE by name ("a.inc", "b.inc"), cut from the input at kFileMarker.
// Every input is compiled twice: without writing (inactive lines kept) and
// writing into the workspace. The read limits are lowered so that a compile
// at the limit fits the fuzzer's time limit under the sanitizers; the
// mechanism is the same at any size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "compile/compiler.h"
#include "fuzz_failure.h"
#include "fuzz_workspace.h"
#include "compile/carried_include_provider.h"

namespace {

constexpr std::string_view kFileMarker = "\n@@FILE\n";
constexpr const char* kFileNames[] = {"song.asm", "a.inc", "b.inc"};
constexpr qv::SourceReadLimits kReadLimits{5000, std::size_t{1} << 20, 500};

// Writes the pieces of the input as files; returns the source path.
std::string writeProject(std::string_view input) {
  std::string sourcePath;
  for (const char* name : kFileNames) {
    const bool last = name == kFileNames[std::size(kFileNames) - 1];
    const std::size_t end = last ? std::string_view::npos : input.find(kFileMarker);
    std::string path = qv::fuzz::writeWorkspaceFile(name, input.substr(0, end));
    if (sourcePath.empty()) sourcePath = path;
    if (end == std::string_view::npos) break;
    input.remove_prefix(end + kFileMarker.size());
  }
  return sourcePath;
}

void compileOnce(const std::string& sourcePath, bool writeOutputs) {
  const std::string outputDir = writeOutputs ? qv::fuzz::workspaceFolder() + "/out" : "";
  qv::Compiler compiler;
  compiler.setBuiltInIncludeProvider(qv::carriedIncludeProvider);
  compiler.preprocessor.readLimits = kReadLimits;
  const qv::CompileResult result =
      compiler.compile(sourcePath, qv::makeCompileRequest(writeOutputs ? "_F" : "", outputDir, writeOutputs, !writeOutputs));
  if (!writeOutputs && !result.writtenFiles.empty()) qv::fuzz::failRun("written despite no-write", result.writtenFiles[0]);
  for (const std::string& written : result.writtenFiles) {
    if (!qv::fuzz::isInsideWorkspace(written)) qv::fuzz::failRun("written outside the output folder", written);
  }
  for (const std::string& message : result.messages) {
    if (qv::isFatalMessage(message) && !result.failed) qv::fuzz::failRun("not failed despite", message);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qv::fuzz::emptyWorkspace();
  const std::string sourcePath = writeProject(std::string_view(reinterpret_cast<const char*>(data), size));
  compileOnce(sourcePath, false);
  compileOnce(sourcePath, true);
  return 0;
}
