#pragma once
// How a line of SDL source reads: the spans that take a colour of their own
// in the Source and include tabs. Words are read as the assembler reads
// them, so the colours never promise what the compile does not do.

#include <cstddef>
#include <string_view>
#include <vector>

namespace qv {

enum class SourceWordKind { Command, Directive, Number, Comment, Label, String };

struct SourceSpan {
  std::size_t start = 0;
  std::size_t length = 0;
  SourceWordKind kind = SourceWordKind::Command;
  bool operator==(const SourceSpan&) const = default;
};

// In order, not overlapping; text outside every span is plain.
std::vector<SourceSpan> ColourSourceLine(std::string_view line);

}  // namespace qv
