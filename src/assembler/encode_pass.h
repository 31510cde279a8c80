#pragma once

#include <vector>

#include "assembler/encoded_line.h"
#include "common/compile_request.h"
#include "preprocess/source_line.h"

namespace qv {

struct Assembly;

// Second pass: lays out the image, encodes each statement and patches each
// scheme's length when it closes. The statements are those the harvest pass
// placed (Assembly::placedStatements), which it lets go.
std::vector<EncodedLine> EncodePass(Assembly& assembly, const std::vector<SourceLine>& lines,
                                    const CompileRequest& request);

}  // namespace qv
