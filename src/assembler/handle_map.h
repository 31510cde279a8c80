#pragma once

#include <string>

namespace qv {

class Compiler;

// One "value NAME\r\n" line per wave handle above 0, by value.
std::string HandleMap(const Compiler& compiler);

}  // namespace qv
