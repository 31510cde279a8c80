#include "assembler/words.h"

#include "preprocess/text.h"

namespace qv {

std::string_view WordCursor::next() {
  while (position_ < text_.size() && isSpace(text_[position_])) ++position_;
  std::size_t start = position_;
  while (position_ < text_.size() && !isSpace(text_[position_])) ++position_;
  return text_.substr(start, position_ - start);
}

std::string_view WordCursor::rest() const { return trimView(text_.substr(position_)); }

std::string_view wordAt(std::string_view text, int index) {
  WordCursor words(text);
  std::string_view word = words.next();
  for (int i = 0; i < index && !word.empty(); ++i) word = words.next();
  return word;
}

}  // namespace qv
