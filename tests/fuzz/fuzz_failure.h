#pragma once
// Stops the run on a broken promise of the code under test, so libFuzzer
// keeps the input as a finding.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace qv::fuzz {

[[noreturn]] inline void failRun(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(what.size()), what.data(), static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

}  // namespace qv::fuzz
