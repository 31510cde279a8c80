#pragma once
// White-space separated words of a line, read in place: the passes look at
// a few words of every line, and copying them would cost an allocation each.

#include <cstddef>
#include <string_view>

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

// The index-th word (0-based), or an empty view.
std::string_view wordAt(std::string_view text, int index);

}  // namespace qv
