#include "assembler/field_warning.h"

#include "compile/compiler.h"

namespace qv {

namespace {

std::uint64_t fieldMask(int bits) { return (std::uint64_t{1} << bits) - 1; }

}  // namespace

std::string fieldOverflowWarning(const SourceLine& line, std::string_view what, std::int64_t value, int bits) {
  std::uint64_t stored = static_cast<std::uint64_t>(value) & fieldMask(bits);
  std::string message = "WARNING: ";
  message += line.file;
  message += ':';
  message += std::to_string(line.lineNumber);
  message += ": ";
  message += what;
  message += ' ';
  message += std::to_string(value);
  message += " does not fit in ";
  message += std::to_string(bits);
  message += " bits (stored as ";
  message += std::to_string(stored);
  message += ')';
  return message;
}

void warnIfFieldOverflows(Compiler& compiler, const SourceLine& line, std::string_view what, std::int64_t value,
                          int bits) {
  if (value >= 0 && static_cast<std::uint64_t>(value) <= fieldMask(bits)) return;
  compiler.messages.push_back(fieldOverflowWarning(line, what, value, bits));
}

}  // namespace qv
