#pragma once
// White-space separated words of a line, read in place: the passes look at
// a few words of every line, and copying them would cost an allocation each.
// The one word splitter of the program.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/text.h"

namespace qv {

class WordCursor {
 public:
  explicit WordCursor(std::string_view text) : text_(text) {}

  // The next word, or an empty view when there is none.
  std::string_view next() {
    while (position_ < text_.size() && isSpace(text_[position_])) ++position_;
    std::size_t start = position_;
    while (position_ < text_.size() && !isSpace(text_[position_])) ++position_;
    return text_.substr(start, position_ - start);
  }

  // The text after the words read so far, without its leading white space.
  std::string_view rest() const {
    std::size_t start = position_;
    while (start < text_.size() && isSpace(text_[start])) ++start;
    return text_.substr(start);
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// The first word, or an empty view.
inline std::string_view firstWord(std::string_view text) { return WordCursor(text).next(); }

// Every word, copied.
std::vector<std::string> splitWords(std::string_view text);

}  // namespace qv
