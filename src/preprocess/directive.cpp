#include "preprocess/directive.h"

#include "preprocess/text.h"

namespace qv {

DirectiveMatch matchDirective(std::string_view code, std::string_view keyword) {
  DirectiveMatch match;
  std::string_view trimmed = trimView(code);
  if (trimmed.empty()) return match;
  std::size_t wordEnd = trimmed.find_first_of(" \t");
  std::string_view word = trimmed.substr(0, wordEnd);
  if (word == "#") return match;
  if (word.front() == '#') word.remove_prefix(1);
  if (!startsWithNoCase(word, keyword)) return match;
  match.matched = true;
  if (wordEnd != std::string_view::npos) match.argument = trim(trimmed.substr(wordEnd + 1));
  return match;
}

}  // namespace qv
