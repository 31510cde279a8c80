#include "common/words.h"

namespace qv {

std::vector<std::string> splitWords(std::string_view text) {
  std::vector<std::string> words;
  WordCursor cursor(text);
  for (std::string_view word = cursor.next(); !word.empty(); word = cursor.next()) words.emplace_back(word);
  return words;
}

}  // namespace qv
