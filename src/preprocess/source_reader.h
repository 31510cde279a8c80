#pragma once
// Reading a source into lines, and splitting each line's comment off.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/built_in_include_provider.h"
#include "preprocess/read_budget.h"
#include "preprocess/source_line.h"

namespace qv {

// The whole text of one source, held while its lines are walked.
class SourceText {
 public:
  // Disk files: lines end at LF, one trailing CR is dropped, and a final
  // piece without LF counts only when it is not empty.
  // Only the first maxLines lines are indexed, so that a text with far too
  // many lines is told by its count without indexing all of them.
  static SourceText fromDiskBytes(std::string bytes,
                                  std::size_t maxLines = std::numeric_limits<std::size_t>::max());
  // Carried copies: every LF ends a line and the rest after the last LF is
  // one more line, even when empty; CR is kept.
  static SourceText fromCarriedText(std::string text);

  std::size_t lineCount() const { return lines_.size(); }
  std::size_t byteCount() const { return bytes_->size(); }
  std::string_view line(std::size_t index) const;
  // The bytes the lines are views into, for whoever keeps the views.
  const std::shared_ptr<const std::string>& bytes() const { return bytes_; }

 private:
  struct Span {
    std::size_t begin;
    std::size_t length;
  };
  std::shared_ptr<const std::string> bytes_ = std::make_shared<const std::string>();
  std::vector<Span> lines_;
};

// The source's lines, taken from the budget; false after reporting to
// errors when it cannot be read or does not fit in the budget.
bool readSourceLines(const SourceRef& source, const BuiltInIncludeProvider& provider, SourceReadBudget& budget,
                     MessageList& errors, SourceText& text);

// Code and comment of a line, both trimmed: the comment starts at the first
// ";" or "//", whichever comes first; quotes are not looked at.
struct LineParts {
  std::string_view code;
  std::string_view comment;
};
LineParts splitLine(std::string_view text);

void splitComment(std::string_view text, std::string& code, std::string& comment);

// The line's views into text and file, which must outlive it.
SourceLine makeSourceLine(std::string_view text, std::string_view file, std::int32_t lineNumber, bool active);
// The same from parts already split off text.
SourceLine makeSourceLine(std::string_view text, const LineParts& parts, std::string_view file,
                          std::int32_t lineNumber, bool active);

}  // namespace qv
