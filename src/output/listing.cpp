#include "output/listing.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "output/hex_digits.h"
#include "common/text.h"

namespace qv {

namespace {

constexpr std::size_t kHexColumnWidth = 20;
constexpr std::size_t kEmptyHexColumnWidth = 10;
// Address, the two gaps, the comment's blank and marker, CR LF.
constexpr std::size_t kLineFraming = 4 + 2 + 2 + 3 + 2;

// Every comment reads as a "//" comment, whichever marker it had.
void appendConvertedComment(std::string& text, std::string_view comment) {
  comment = trimView(comment);
  if (comment.empty()) return;
  text.push_back(' ');
  if (comment.substr(0, 2) == "//") {
    text.append(comment);
  } else if (comment.front() == ';') {
    text.append("//");
    text.append(comment.substr(1));
  } else {
    text.append("// ");
    text.append(comment);
  }
}

void appendListingLine(std::string& text, const EncodedLine& line) {
  appendHexWord(text, static_cast<std::uint16_t>(line.address & 0xFFFF));
  text.append("  ");

  const std::size_t hexStart = text.size();
  for (std::size_t i = 0; i < line.bytes.size(); ++i) {
    if (i > 0) text.push_back(' ');
    appendHexByte(text, line.bytes[i]);
  }
  const std::size_t width = line.bytes.empty() ? kEmptyHexColumnWidth : kHexColumnWidth;
  const std::size_t written = text.size() - hexStart;
  if (written < width) text.append(width - written, ' ');

  text.append("  ");
  text.append(line.sourceText);
  appendConvertedComment(text, line.line.comment);
  text.append("\r\n");
}

}  // namespace

std::string makeListing(const std::vector<EncodedLine>& emitted) {
  std::string text =
      "// Quaverton generated clean SDL listing\r\n"
      "// Addr  Hex bytes            SDL source\r\n"
      "\r\n";
  std::size_t size = text.size();
  for (const EncodedLine& line : emitted) {
    size += kLineFraming + std::max(line.bytes.size() * 3, kHexColumnWidth) + line.sourceText.size() +
            line.line.comment.size();
  }
  text.reserve(size);
  for (const EncodedLine& line : emitted) appendListingLine(text, line);
  return text;
}

}  // namespace qv
