#include "assembler_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "assembler/encode_pass.h"
#include "assembler/harvest_pass.h"
#include "assembler/label_relocation.h"
#include "assembler/symbol_table.h"
#include "common/text.h"
#include "support/test_support.h"

namespace qv::test {

std::vector<SourceLine> sourceLines(const std::vector<std::string>& texts, const std::string& file) {
  std::vector<SourceLine> lines;
  const std::string_view fileName = kept(file);
  for (const std::string& original : texts) {
    const std::string_view text = kept(original);
    SourceLine line;
    line.text = text;
    std::size_t comment = std::min(text.find(';'), text.find("//"));
    line.code = trimView(text.substr(0, comment));
    if (comment != std::string::npos) line.comment = trimView(text.substr(comment));
    line.file = fileName;
    line.lineNumber = static_cast<std::int32_t>(lines.size() + 1);
    lines.push_back(line);
  }
  return lines;
}

void assemble(Assembly& assembly, const std::vector<SourceLine>& lines, const CompileRequest& request) {
  HarvestPass(assembly, lines, request);
  SettleValues(assembly);
  relocateLabels(assembly, lines);
  assembly.emitted = EncodePass(assembly, lines, request);
}

std::string hexOf(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (std::uint8_t byte : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    if (!text.empty()) text += ' ';
    text += digits;
  }
  return text;
}

std::string imageHex(const std::vector<EncodedLine>& emitted) {
  std::vector<std::uint8_t> bytes;
  for (const EncodedLine& entry : emitted) bytes.insert(bytes.end(), entry.bytes.begin(), entry.bytes.end());
  return hexOf(bytes);
}

std::int32_t symbolValue(const Assembly& assembly, std::string_view name) {
  const SymbolRecord* record = assembly.symbolTable.lookup(name);
  EXPECT_NE(record, nullptr) << name;
  return record != nullptr ? record->value : 0;
}

}  // namespace qv::test
