#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "preprocess/read_budget.h"
#include "support/test_support.h"
#include "window/text_file.h"

namespace qv {
namespace {

// Past what a compile would read the file is refused, not loaded whole; a
// pipe is refused at once instead of being waited on.
TEST(ReadTextFileSize, RefusesFilesBeyondTheSourceLimitAndPipes) {
  test::TempFolder folder;
  const std::string huge = folder.write("huge.asm", "");
  ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(SourceReadLimits{}.bytes) + 1), 0);
  ASSERT_EQ(::mkfifo(folder.file("pipe.asm").c_str(), 0600), 0);
  for (const std::string& path : {huge, folder.file("pipe.asm")}) {
    std::string text = "kept";
    std::string lineEnd = "kept";
    EXPECT_FALSE(ReadTextFile(path, text, lineEnd)) << path;
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(lineEnd, "kept");
  }
}

}  // namespace
}  // namespace qv
