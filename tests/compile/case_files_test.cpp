// Compiles every SDL case in tests/cases and compares what it gives with the
// expected files beside it (tests/cases/README.md says which and how). A new
// case is a new NAME.asm with its expected files; no code. With
// QUAVERTON_UPDATE_CASES set it rewrites those files instead.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "compile/compiler.h"
#include "compile/carried_include_provider.h"
#include "platform/filesystem_path.h"
#include "platform/paths.h"
#include "support/test_support.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::string casesFolder() { return toNativePath(test::sourceDir() + "/tests/cases"); }

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(filesystemPath(casesFolder()))) {
    if (entry.path().extension() == ".asm") names.push_back(pathText(entry.path().stem()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Every message but the define notes as "PLACE: KIND: TEXT": where it is,
// the kind its reporter gave it, and the text as the log and the window show
// it. Then "Compile failed" when it did.
std::string diagnosticsText(const CompileResult& result) {
  EXPECT_EQ(result.messagePlaces.size(), result.messages.size());
  std::string text;
  for (std::size_t i = 0; i < result.messages.size() && i < result.messagePlaces.size(); ++i) {
    const std::string& message = result.messages[i];
    if (message.starts_with("Define: ")) continue;
    const MessagePlace& place = result.messagePlaces[i];
    if (place.line > 0) text += place.file + ":" + std::to_string(place.line) + ": ";
    switch (messageKind(result, i)) {
      case MessageKind::Note: text += "note: "; break;
      case MessageKind::Warning: text += "warning: "; break;
      case MessageKind::Error: text += "error: "; break;
    }
    text += message + "\n";
  }
  if (result.failed) text += "Compile failed\n";
  return text;
}

class CaseFile : public testing::TestWithParam<std::string> {};

TEST_P(CaseFile, GivesItsExpectedTexts) {
  const std::string base = casesFolder() + kPathSeparator + GetParam();
  Compiler compiler;
  compiler.setBuiltInIncludeProvider(carriedIncludeProvider);
  CompileResult result = compiler.compile(base + ".asm", makeCompileRequest("_Z", "", false, false));

  const std::pair<const char*, std::string> produced[] = {{".err", diagnosticsText(result)},
                                                          {".lst", result.listingText},
                                                          {".hex", result.hexText},
                                                          {".sym", result.symbolText},
                                                          {".map", result.mapText}};
  const bool update = test::environmentValue("QUAVERTON_UPDATE_CASES").has_value();
  int compared = 0;
  for (const auto& [extension, text] : produced) {
    const std::string expectedPath = base + extension;
    if (!test::exists(expectedPath)) continue;
    ++compared;
    const std::string actual = test::withoutFolder(text, casesFolder());
    if (update) {
      std::ofstream(filesystemPath(expectedPath), std::ios::binary | std::ios::trunc) << actual;
    } else {
      EXPECT_EQ(actual, test::readFile(expectedPath)) << GetParam() << extension;
    }
  }
  EXPECT_GT(compared, 0) << GetParam() << " has no expected file";
}

INSTANTIATE_TEST_SUITE_P(Cases, CaseFile, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace qv
