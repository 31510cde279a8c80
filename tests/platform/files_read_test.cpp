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
  std::vector<std::string> devices{"NUL", "CON", folder.file("CON")};
#else
  ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
  std::vector<std::string> devices{folder.file("pipe"), "/dev/zero"};
#endif
  std::string bytes;
  std::string failure;
  EXPECT_FALSE(readWholeFile(folder.file("sub"), bytes, 100, &failure));
  EXPECT_EQ(failure, "is a folder");
  EXPECT_FALSE(fileExists(folder.file("sub")));
  for (const std::string& path : devices) {
    failure.clear();
    EXPECT_FALSE(readWholeFile(path, bytes, 100, &failure)) << path;
#ifdef _WIN32
    // Some devices cannot even be opened: the system's words say why.
    EXPECT_FALSE(failure.empty()) << path;
#else
    EXPECT_EQ(failure, "is not a regular file") << path;
#endif
    EXPECT_FALSE(fileExists(path)) << path;
  }
}

}  // namespace
}  // namespace qv
