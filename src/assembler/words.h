#pragma once
// White-space separated words of a line, read in place: the passes look at
// a few words of every line, and copying them would cost an allocation each.

#include <cstddef>
#include <string_view>

namespace qv {

class WordCursor {
 public:
  explicit WordCursor(std::string_view text) : text_(text) {}

  // The next word, or an empty view when there is none.
  std::string_view next();

  // The text after the words read so far, trimmed.
  std::string_view rest() const;

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// The index-th word (0-based), or an empty view.
std::string_view wordAt(std::string_view text, int index);

}  // namespace qv
