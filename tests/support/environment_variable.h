#pragma once
// Environment variables set for one test and restored afterwards.

#include <optional>
#include <string>

#include "support/test_support.h"

namespace qv::test {

// The variables the system's temporary folder and the user's home folder
// come from (first).
#ifdef _WIN32
inline constexpr const char* kTemporaryFolderVariable = "TMP";
inline constexpr const char* kHomeFolderVariable = "USERPROFILE";
#else
inline constexpr const char* kTemporaryFolderVariable = "TMPDIR";
inline constexpr const char* kHomeFolderVariable = "HOME";
#endif

class EnvironmentVariable {
 public:
  // Sets the variable, or removes it when value is empty.
  EnvironmentVariable(const char* name, const std::optional<std::string>& value)
      : name_(name), saved_(environmentValue(name)) {
    setEnvironmentValue(name, value);
  }
  ~EnvironmentVariable() { setEnvironmentValue(name_, saved_); }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

// The folder that stands in for the project drive X:.
class ProjectFolderVariable : public EnvironmentVariable {
 public:
  explicit ProjectFolderVariable(const std::string& value) : EnvironmentVariable("QUAVERTON_PROJECT_DIR", value) {}
};

}  // namespace qv::test
