#include "assembler/field_warning.h"

#include "compile/compiler.h"
#include "common/warnings.h"

namespace qv {

void warnIfFieldOverflows(Compiler& compiler, const SourceLine& line, std::string_view what, std::int64_t value,
                          int bits) {
  if (value >= 0 && static_cast<std::uint64_t>(value) < (std::uint64_t{1} << bits)) return;
  compiler.report(warning::fieldOverflow(placeOf(line), what, value, bits), placeOf(line));
}

}  // namespace qv
