#include "preprocess/directive.h"

namespace qv {

DirectiveWord readDirectiveWord(std::string_view code) {
  DirectiveWord first;
  std::string_view trimmed = trimView(code);
  std::size_t wordEnd = findBlankOrTab(trimmed);
  std::string_view word = trimmed.substr(0, wordEnd);
  if (word.empty() || word == "#") return first;
  if (word.front() == '#') word.remove_prefix(1);
  first.present = true;
  first.word = word;
  if (wordEnd != std::string_view::npos) first.argument = trimView(trimmed.substr(wordEnd + 1));
  return first;
}

DirectiveMatch matchDirective(std::string_view code, std::string_view keyword) {
  DirectiveMatch match;
  DirectiveWord first = readDirectiveWord(code);
  if (!first.beginsWith(keyword)) return match;
  match.matched = true;
  match.argument = first.argument;
  return match;
}

}  // namespace qv
