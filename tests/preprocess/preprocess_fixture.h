#pragma once
// A temporary project folder and a preprocessor with a stand-in provider
// of the carried copies.

#include <map>
#include <string>
#include <vector>

#include "preprocess/preprocessor.h"
#include "support/test_support.h"

namespace qv::test {

class PreprocessProject {
 public:
  PreprocessProject() {
    carried["QVX5_SND_CMD.INC"] = "CMD_A EQU 1\nCMD_B EQU 2\n";
    carried["QVX5_SND_MACS.INC"] = "; macros\n";
    preprocessor.builtInIncludeProvider = [this](const std::string& name, std::string& text) {
      asked.push_back(name);
      auto found = carried.find(name);
      if (found == carried.end()) return false;
      text = found->second;
      return true;
    };
  }

  std::string write(const std::string& name, const std::string& text) { return folder.write(name, text); }
  std::string path(const std::string& name) const { return folder.file(name); }

  PreprocessResult run(const std::string& rootName, bool includeInactive = false) {
    return preprocessor.preprocess(path(rootName), includeInactive);
  }

  TempFolder folder;
  Preprocessor preprocessor;
  std::map<std::string, std::string> carried;
  std::vector<std::string> asked;  // names the provider was asked for
};

inline std::vector<std::string> codesOf(const PreprocessResult& result) {
  std::vector<std::string> codes;
  for (const SourceLine& line : result.lines) codes.emplace_back(line.code);
  return codes;
}

// "code" for active lines, "-code" for inactive ones.
inline std::vector<std::string> markedCodesOf(const PreprocessResult& result) {
  std::vector<std::string> codes;
  for (const SourceLine& line : result.lines) codes.push_back((line.active ? "" : "-") + std::string(line.code));
  return codes;
}

inline std::vector<std::string> defineNotesOf(const PreprocessResult& result) {
  std::vector<std::string> notes;
  for (const std::string& note : result.notes.texts()) {
    if (note.rfind("Define: ", 0) == 0) notes.push_back(note);
  }
  return notes;
}

}  // namespace qv::test
