#include "assembler/field_warning.h"

#include "common/message_list.h"
#include "common/warnings.h"

namespace qv {

void warnIfFieldOverflows(MessageList& messages, const SourceLine& line, std::string_view what, std::int64_t value,
                          int bits) {
  if (value >= 0 && static_cast<std::uint64_t>(value) < (std::uint64_t{1} << bits)) return;
  messages.warn(warning::fieldOverflow(placeOf(line), what, value, bits));
}

}  // namespace qv
