#include "common/words.h"

namespace qv {

std::string_view wordAt(std::string_view text, int index) {
  WordCursor words(text);
  std::string_view word = words.next();
  for (int i = 0; i < index && !word.empty(); ++i) word = words.next();
  return word;
}

}  // namespace qv
