#include "compile/carried_include_provider.h"

#include <string_view>

#include "platform/resources.h"
#include "common/text.h"

namespace qv {

bool carriedIncludeProvider(const std::string& includeName, std::string& text) {
  std::string name = toUpperAscii(includeName);
  std::size_t firstQuote = name.find('"');
  std::size_t lastQuote = name.rfind('"');
  if (firstQuote != std::string::npos && lastQuote > firstQuote) {
    name = name.substr(firstQuote + 1, lastQuote - firstQuote - 1);
  }
  int resource = 0;
  if (name == "QVX5_SND_CMD.INC") {
    resource = kCarriedDefinitionsResource;
  } else if (name == "QVX5_SND_MACS.INC") {
    resource = kCarriedMacrosResource;
  } else {
    return false;
  }
  std::string_view bytes;
  if (!findRawResource(resource, bytes) || bytes.empty()) return false;
  text.assign(bytes);
  return true;
}

}  // namespace qv
