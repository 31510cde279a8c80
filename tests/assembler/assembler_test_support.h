#pragma once
// Builds assembler input straight from text lines, without preprocessing.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/encoded_line.h"
#include "common/compile_request.h"
#include "assembler/assembly.h"
#include "preprocess/source_line.h"

namespace qv::test {

// One SourceLine per text, numbered from 1, with the comment (from ";" or
// "//") split off the code.
std::vector<SourceLine> sourceLines(const std::vector<std::string>& texts, const std::string& file = "song.asm");

// Harvest, settling, label relocation and encoding, as a compile runs them;
// the image is left in assembly.emitted.
void assemble(Assembly& assembly, const std::vector<SourceLine>& lines, const CompileRequest& request = {});

// "F1 01 00 08": upper-case hexadecimal bytes separated by blanks.
std::string hexOf(std::span<const std::uint8_t> bytes);

// The bytes of the whole image, in order.
std::string imageHex(const std::vector<EncodedLine>& emitted);

// The symbol's value; fails the test when it is missing.
std::int32_t symbolValue(const Assembly& assembly, std::string_view name);

}  // namespace qv::test
