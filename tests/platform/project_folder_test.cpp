// The project drive X: and the folder that stands in for it.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "platform/project_folder.h"
#include "support/environment_variable.h"

namespace qv {
namespace {

using test::ProjectFolderVariable;

// The separator added where the folder lacks one is the system's own.
const std::string kAdded(1, kPathSeparator);

TEST(ProjectFolder, ComesFromTheVariableEndingInASeparator) {
  struct Case {
    std::string variable;
    std::string folder;
  };
  for (const Case& c : {Case{"/p/songs", "/p/songs" + kAdded}, Case{"/p/songs/", "/p/songs/"},
                        Case{"C:\\songs\\", "C:\\songs\\"}, Case{"", ""}}) {
    ProjectFolderVariable variable(c.variable);
    EXPECT_EQ(defaultProjectFolder(), c.folder) << c.variable;
  }
}

TEST(ProjectFolder, OnlyDriveXPathsHaveACandidate) {
  ProjectFolderVariable variable("/p");
  struct Case {
    const char* path;
    std::string candidate;
  };
  for (const Case& c : {Case{"X:\\a\\song.asm", "/p" + kAdded + "a\\song.asm"},
                        Case{"x:/a/song.asm", "/p" + kAdded + "a/song.asm"}, Case{"C:\\a\\song.asm", ""},
                        Case{"X:", ""}, Case{"X:a.asm", ""}, Case{"/X:/a.asm", ""}}) {
    EXPECT_EQ(driveMappedCandidate(c.path), c.candidate) << c.path;
  }
}

TEST(ProjectFolder, NoCandidateWhileTheRemapIsOff) {
  ProjectFolderVariable variable("");
  EXPECT_EQ(driveMappedCandidate("X:\\a\\song.asm"), "");
}

}  // namespace
}  // namespace qv
