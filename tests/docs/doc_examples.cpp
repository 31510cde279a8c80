#include "docs/doc_examples.h"

#include <array>
#include <sstream>

namespace qv::test {

namespace {

struct Fence {
  std::string info;  // the words after the opening ```
  std::string text;
  int line = 0;
};

std::vector<Fence> fencedBlocks(const std::string& markdown, std::string& problem) {
  std::vector<Fence> fences;
  std::istringstream stream(markdown);
  std::string line;
  int number = 0;
  bool inside = false;
  while (std::getline(stream, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("```", 0) == 0) {
      if (inside) {
        inside = false;
      } else {
        inside = true;
        fences.push_back({line.substr(3), {}, number});
      }
      continue;
    }
    if (inside) fences.back().text += line + "\n";
  }
  if (inside) problem = "line " + std::to_string(fences.back().line) + ": fence never closed";
  return fences;
}

struct FenceInfo {
  std::string language;
  std::string name;                  // of an extra file
  std::vector<std::string> options;  // the words that begin with "--"
};

FenceInfo readFenceInfo(const std::string& info) {
  std::istringstream words(info);
  FenceInfo fence;
  words >> fence.language;
  for (std::string word; words >> word;) {
    if (word.starts_with("--")) {
      fence.options.push_back(word);
    } else {
      fence.name = word;
    }
  }
  return fence;
}

bool isPromiseKind(const std::string& word) {
  static const std::array<std::string, 9> kinds{"bytes", "listing",  "hex",     "lst",        "sym",
                                                "map",   "messages", "console", "disassembly"};
  for (const std::string& kind : kinds) {
    if (word == kind) return true;
  }
  return false;
}

}  // namespace

DocExamples readDocExamples(const std::string& markdown) {
  DocExamples result;
  std::vector<Fence> fences = fencedBlocks(markdown, result.problem);
  auto fail = [&](int line, const std::string& what) {
    if (result.problem.empty()) result.problem = "line " + std::to_string(line) + ": " + what;
  };
  DocExample current;
  bool haveSource = false;
  // An example ends where the next one's first file or source begins.
  auto close = [&] {
    if (!haveSource) return;
    if (current.promises.empty()) fail(current.line, "the example promises nothing");
    result.examples.push_back(std::move(current));
    current = DocExample();
    haveSource = false;
  };

  for (const Fence& fence : fences) {
    FenceInfo info = readFenceInfo(fence.info);
    if (info.language == "sdl") {
      close();
      if (info.name.empty()) {
        current.source = fence.text;
        current.line = fence.line;
        current.options = info.options;
        haveSource = true;
      } else {
        current.files.emplace_back(info.name, fence.text);
      }
    } else if (isPromiseKind(info.language)) {
      if (!haveSource) fail(fence.line, "a promise without an sdl source before it");
      current.promises.push_back({info.language, fence.text});
    }
  }
  close();
  if (!current.files.empty()) fail(fences.back().line, "files without a source after them");
  return result;
}

}  // namespace qv::test
