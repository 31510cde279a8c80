#include "window/model/navigation/include_line.h"

#include "platform/paths.h"
#include "preprocess/directive.h"
#include "preprocess/source_reader.h"

namespace qv {

std::optional<std::string> IncludedNameAt(std::string_view line, std::size_t column) {
  std::string_view code = splitLine(line).code;
  DirectiveWord first = readDirectiveWord(code);
  if (!isIncludeDirective(first) || first.argument.empty()) return std::nullopt;
  std::size_t start = static_cast<std::size_t>(first.argument.data() - line.data());
  if (column < start || column > start + first.argument.size()) return std::nullopt;
  std::string name = unquote(first.argument);
  if (name.empty()) return std::nullopt;
  return name;
}

}  // namespace qv
