#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/filesystem_path.h"
#include "preprocess/read_budget.h"
#include "support/test_support.h"
#include "window/model/files/text_file.h"

namespace qv {
namespace {

// Past what a compile would read the file is refused, not loaded whole; a
// pipe is refused at once instead of being waited on.
TEST(ReadTextFileSize, RefusesFilesBeyondTheSourceLimitAndPipes) {
  test::TempFolder folder;
  const std::string huge = folder.write("huge.asm", "");
  std::filesystem::resize_file(filesystemPath(huge), SourceReadLimits{}.bytes + 1);
  std::vector<std::string> paths{huge};
#ifndef _WIN32
  ASSERT_EQ(::mkfifo(folder.file("pipe.asm").c_str(), 0600), 0);
  paths.push_back(folder.file("pipe.asm"));
#endif
  for (const std::string& path : paths) {
    std::string text = "kept";
    std::string lineEnd = "kept";
    EXPECT_FALSE(ReadTextFile(path, text, lineEnd)) << path;
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(lineEnd, "kept");
  }
}

}  // namespace
}  // namespace qv
