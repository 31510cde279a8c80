// Writing a file's whole content is all or nothing, on a full disk too; what
// an interrupted write leaves behind goes at the next write of that file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "support/test_support.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "support/file_size_limit.h"
#endif

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempFolder;

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

#ifndef _WIN32
// Each row writes song.asm, which also has the name twin.asm where it is
// shared, with a size limit on written files standing in for a full disk.
struct WriteCase {
  const char* name;
  bool shared;
  bool lockedFolder;
  std::string before;
  std::string bytes;
  rlim_t sizeLimit;
  bool written;
  std::string failure;
};

class WholeFileWrites : public testing::TestWithParam<WriteCase> {};

TEST_P(WholeFileWrites, LeaveTheOldBytesOrTheNewOnes) {
  const WriteCase& c = GetParam();
  TempFolder folder;
  std::string path = folder.write("in/song.asm", c.before);
  std::string twin = folder.file("in/twin.asm");
  if (c.shared) fs::create_hard_link(path, twin);
  if (c.lockedFolder) fs::permissions(folder.file("in"), fs::perms::owner_read | fs::perms::owner_exec);
  bool binds = ::access(folder.file("in").c_str(), W_OK) != 0;
  FileWrite outcome;
  {
    test::FileSizeLimit limit(c.sizeLimit);
    outcome = writeWholeFile(path, c.bytes);
  }
  fs::permissions(folder.file("in"), fs::perms::owner_all);
  if (c.lockedFolder && !binds) GTEST_SKIP() << "permissions do not bind this user";
  EXPECT_TRUE(outcome.opened);
  EXPECT_EQ(outcome.written, c.written);
  EXPECT_EQ(outcome.failure, c.failure);
  const std::string& expected = c.written ? c.bytes : c.before;
  EXPECT_EQ(readFile(path), expected);
  std::vector<std::string> names{"song.asm"};
  if (c.shared) {
    EXPECT_EQ(readFile(twin), expected);
    names.push_back("twin.asm");
  }
  EXPECT_EQ(namesIn(folder.file("in")), names);
}

const std::string kOld(8 * 1024, 'o');
const std::string kNew(64 * 1024, 'n');
constexpr rlim_t kNoLimit = RLIM_INFINITY;

INSTANTIATE_TEST_SUITE_P(
    Writes, WholeFileWrites,
    testing::Values(WriteCase{"ReplacedFileThatDoesNotFit", false, false, kOld, kNew, 4096, false, "file too large"},
                    WriteCase{"SharedFileThatDoesNotFit", true, false, kOld, kNew, 4096, false, "file too large"},
                    WriteCase{"FileInALockedFolderThatDoesNotFit", false, true, kOld, kNew, 4096, false,
                              "file too large"},
                    WriteCase{"SharedFileGrows", true, false, "old\n", kNew, kNoLimit, true, ""},
                    WriteCase{"SharedFileShrinks", true, false, kOld, "new\n", kNoLimit, true, ""},
                    WriteCase{"FileInALockedFolderShrinks", false, true, kOld, "new\n", kNoLimit, true, ""}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(Leftovers, GoAtTheNextWriteOfTheirFileUnlessAWriteStillHoldsThem) {
  TempFolder folder;
  std::string path = folder.write("song.asm", "old");
  for (const char* name : {".song.asm.saving-0", ".song.asm.saving-17", ".song.asm.saving-held", ".other.asm.saving-1",
                           ".song.asm.saving-2"}) {
    folder.write(name, "part");
  }
  int held = ::open(folder.file(".song.asm.saving-2").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  EXPECT_TRUE(writeWholeFile(path, "new").written);
  ::close(held);
  EXPECT_EQ(readFile(path), "new");
  EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{".other.asm.saving-1", ".song.asm.saving-2",
                                                              ".song.asm.saving-held", "song.asm"}));
}
#endif

TEST(NamesIgnoreCase, IsAskedOfTheFolderAndLeavesNothingThere) {
  TempFolder folder;
  // Names that differ in case only, where they can be made, decide nothing.
  folder.write("song.asm", "");
  folder.write("SONG.ASM", "");
  std::vector<std::string> before = namesIn(folder.path());
#ifdef _WIN32
  EXPECT_TRUE(namesIgnoreCase(folder.file("song.asm")));
#else
  EXPECT_FALSE(namesIgnoreCase(folder.file("song.asm")));
#endif
  EXPECT_FALSE(namesIgnoreCase(folder.file("missing/song.asm")));
  EXPECT_EQ(namesIn(folder.path()), before);
}

}  // namespace
}  // namespace qv
