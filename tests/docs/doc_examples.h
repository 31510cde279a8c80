#pragma once
// The examples of a Markdown document: fenced `sdl` blocks (the source, and
// any further files it includes) each followed by fenced blocks that promise
// what compiling it gives.

#include <string>
#include <utility>
#include <vector>

namespace qv::test {

// What one fenced block after an example promises: kind is the block's
// language word ("bytes", "listing", "hex", "lst", "sym", "map",
// "messages", "console", "disassembly"), text its lines each ending in "\n".
struct Promise {
  std::string kind;
  std::string text;
};

struct DocExample {
  int line = 0;  // of the main source's opening fence
  // Command-line options it is compiled with ("```sdl --include-inactive").
  std::vector<std::string> options;
  // Extra files ("```sdl NAME"), written beside the main source first.
  std::vector<std::pair<std::string, std::string>> files;
  std::string source;
  std::vector<Promise> promises;
};

struct DocExamples {
  std::vector<DocExample> examples;
  // Empty when the document follows the rules; else what is wrong, and where.
  std::string problem;
};

DocExamples readDocExamples(const std::string& markdown);

}  // namespace qv::test
