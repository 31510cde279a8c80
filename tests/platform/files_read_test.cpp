#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "support/test_support.h"

namespace qv {
namespace {

TEST(ReadWholeFile, StopsAtTheCap) {
  test::TempFolder folder;
  const std::string path = folder.write("song.asm", std::string(200000, 'x') + "end");
  std::string bytes = "old";
  ASSERT_TRUE(readWholeFile(path, bytes, 70000));
  EXPECT_EQ(bytes, std::string(70000, 'x'));
  ASSERT_TRUE(readWholeFile(path, bytes));
  EXPECT_EQ(bytes.size(), 200003u);
  ASSERT_TRUE(readWholeFile(path, bytes, 0));
  EXPECT_EQ(bytes, "");
}

TEST(ReadWholeFile, ReadsNothingButRegularFiles) {
  test::TempFolder folder;
  folder.write("sub/inner", "x");
#ifdef _WIN32
  // Devices answer to these names in every folder.
  std::vector<std::string> paths{folder.file("sub"), "NUL", "CON", folder.file("CON")};
#else
  ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
  std::vector<std::string> paths{folder.file("sub"), folder.file("pipe"), "/dev/zero"};
#endif
  std::string bytes;
  for (const std::string& path : paths) {
    EXPECT_FALSE(readWholeFile(path, bytes)) << path;
    EXPECT_FALSE(fileExists(path)) << path;
  }
}

}  // namespace
}  // namespace qv
