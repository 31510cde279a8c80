// Where the program keeps its own per-user files.
#include <gtest/gtest.h>

#include "platform/user_data_folder.h"
#include "support/environment_variable.h"

namespace qv::test {
namespace {

#ifndef _WIN32
TEST(UserDataFolderTest, FollowsXdgDataHomeWhenItIsAbsolute) {
  struct Case {
    std::optional<std::string> dataHome;
    std::string expected;
  };
  EnvironmentVariable home(kHomeFolderVariable, std::string("/home/u"));
  for (const Case& each : {Case{std::string("/data"), "/data/Veltrane/Quaverton"},
                           Case{std::nullopt, "/home/u/.local/share/Veltrane/Quaverton"},
                           Case{std::string("relative/data"), "/home/u/.local/share/Veltrane/Quaverton"}}) {
    EnvironmentVariable dataHome("XDG_DATA_HOME", each.dataHome);
    EXPECT_EQ(userDataFolder(), each.expected) << each.dataHome.value_or("(unset)");
  }
}
#else
TEST(UserDataFolderTest, IsInTheLocalApplicationDataFolder) {
  EXPECT_TRUE(userDataFolder().ends_with("\\Veltrane\\Quaverton")) << userDataFolder();
}
#endif

}  // namespace
}  // namespace qv::test
