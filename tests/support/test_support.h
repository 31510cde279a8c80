#pragma once
// Helpers shared by the tests: temporary folders, files, running the program.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

// A fresh folder under the temporary folder, removed with everything in it
// when the object goes.
// The smallest project that compiles: one scheme that ends at once.
inline constexpr char kTinySource[] = "        SKEME_START 1\n        END_SOUND\n        SKEME_END\n";

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // path() + the build's separator + name, every "/" in name written as
  // that separator too
  std::string file(const std::string& name) const;
  // Writes bytes to file(name) (creating folders on the way); returns the full path.
  std::string write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};

// A copy of text kept until the test program ends, for records that only
// view their texts (SourceLine).
std::string_view kept(std::string text);

std::string readFile(const std::string& path);
bool exists(const std::string& path);

// An environment variable; nothing when it is unset.
std::optional<std::string> environmentValue(const char* name);
// Sets it, or removes it when value is nothing.
void setEnvironmentValue(const char* name, const std::optional<std::string>& value);

struct ProcessResult {
  int exitCode = -1;
  std::string standardError;
};

// Runs the quaverton executable with these arguments (argument 0 added),
// in the given working folder (empty: the current one).
ProcessResult runQuaverton(const std::vector<std::string>& arguments, const std::string& workingFolder = "");

// The checked-out source tree.
std::string sourceDir();

// The text with every "FOLDER" + separator cut, FOLDER spelt as given and as
// resolved: paths the program produced then name files relative to it. With
// a placeholder, that stands where the cut was.
std::string withoutFolder(std::string text, const std::string& folder, const std::string& placeholder = "");

}  // namespace qv::test
