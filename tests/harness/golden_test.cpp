// Compiles every golden project headless and compares each produced file
// byte for byte with the reference beside it, once the folder it ran in is
// cut from the paths in it. A new case is a new folder
// under tests/golden/ (scripts/update-goldens.sh writes its references).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_support.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> goldenCases() {
  std::vector<fs::path> cases{fs::path(test::sourceDir()) / "examples" / "demo"};
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(test::sourceDir()) / "tests" / "golden")) {
    if (entry.is_directory()) cases.push_back(entry.path());
  }
  return cases;
}

std::string firstLineOr(const fs::path& file, const std::string& fallback) {
  std::ifstream stream(file);
  std::string line;
  return std::getline(stream, line) ? line : fallback;
}

std::vector<std::string> wordsOf(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

class GoldenProject : public testing::TestWithParam<fs::path> {};

TEST_P(GoldenProject, ProducesItsReferenceFiles) {
  const fs::path& caseDir = GetParam();
  const fs::path expected = caseDir / "expected";
  test::TempFolder work;
  for (const fs::directory_entry& entry : fs::directory_iterator(caseDir)) {
    if (entry.path().filename() != "expected") {
      fs::copy(entry.path(), fs::path(work.path()) / entry.path().filename(), fs::copy_options::recursive);
    }
  }
  std::string source = firstLineOr(expected / "source", caseDir.filename().string() + ".asm");
  std::vector<std::string> arguments{"--harness", source};
  for (const std::string& word : wordsOf(firstLineOr(expected / "arguments", ""))) arguments.push_back(word);

  test::ProcessResult run = test::runQuaverton(arguments, work.path());
  EXPECT_EQ(std::to_string(run.exitCode), firstLineOr(expected / "exit_code", "?"));

  int compared = 0;
  for (const fs::directory_entry& reference : fs::directory_iterator(expected)) {
    std::string name = reference.path().filename().string();
    if (name == "source" || name == "arguments" || name == "exit_code") continue;
    fs::path produced = fs::path(work.path()) / name;
    ASSERT_TRUE(fs::exists(produced)) << name;
    // Paths the program resolved start with the folder it ran in, which
    // differs per run and per system.
    EXPECT_EQ(test::withoutFolder(test::readFile(produced.string()), work.path()),
              test::readFile(reference.path().string()))
        << name;
    ++compared;
  }
  EXPECT_GT(compared, 0);
}

INSTANTIATE_TEST_SUITE_P(Projects, GoldenProject, testing::ValuesIn(goldenCases()),
                         [](const testing::TestParamInfo<fs::path>& info) {
                           return info.param.filename().string();
                         });

}  // namespace
}  // namespace qv
