#pragma once
// The system's words for a failure, as the program shows them after a
// colon: "Unable to write FILE: no space left on device".

#include <string>
#include <string_view>

namespace qv {

// Without a final period or line end, the first letter of a sentence in
// lower case.
std::string failureReason(std::string_view systemText);

}  // namespace qv
