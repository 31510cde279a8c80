// The project drive X: and the folder that stands in for it.
#include <gtest/gtest.h>

#include "platform/project_folder.h"
#include "support/environment_variable.h"

namespace qv {
namespace {

using test::ProjectFolderVariable;

TEST(ProjectFolder, ComesFromTheVariableEndingInASeparator) {
  struct Case {
    const char* variable;
    const char* folder;
  };
  for (const Case& c : {Case{"/p/songs", "/p/songs/"}, Case{"/p/songs/", "/p/songs/"},
                        Case{"C:\\songs\\", "C:\\songs\\"}, Case{"", ""}}) {
    ProjectFolderVariable variable(c.variable);
    EXPECT_EQ(defaultProjectFolder(), c.folder) << c.variable;
  }
}

TEST(ProjectFolder, OnlyDriveXPathsHaveACandidate) {
  ProjectFolderVariable variable("/p");
  struct Case {
    const char* path;
    const char* candidate;
  };
  for (const Case& c : {Case{"X:\\a\\song.asm", "/p/a\\song.asm"}, Case{"x:/a/song.asm", "/p/a/song.asm"},
                        Case{"C:\\a\\song.asm", ""}, Case{"X:", ""}, Case{"X:a.asm", ""},
                        Case{"/X:/a.asm", ""}}) {
    EXPECT_EQ(driveMappedCandidate(c.path), c.candidate) << c.path;
  }
}

TEST(ProjectFolder, NoCandidateWhileTheRemapIsOff) {
  ProjectFolderVariable variable("");
  EXPECT_EQ(driveMappedCandidate("X:\\a\\song.asm"), "");
}

}  // namespace
}  // namespace qv
