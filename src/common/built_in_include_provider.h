#pragma once

#include <functional>
#include <string>

namespace qv {

// Answers whether the program carries a copy of the named include file; on
// true, text holds the whole copy.
using BuiltInIncludeProvider = std::function<bool(const std::string& includeName, std::string& text)>;

}  // namespace qv
