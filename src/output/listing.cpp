#include "output/listing.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "output/hex_digits.h"
#include "common/text.h"
#include "preprocess/conditional.h"

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

// Whether a kept IF, ELSE or ENDIF stands where conditional assembly is
// switched off. An IF's record holds the state it met, but an ELSE's or
// ENDIF's holds the state of the branch before it, so they take their IF's.
// Blocks belong to their file: what an included file left open is dropped
// when the file that included it goes on.
class DirectiveSurroundings {
 public:
  bool switchedOff(const SourceLine& line) {
    ConditionalKind kind = matchConditional(line.code).kind;
    if (kind == ConditionalKind::If) {
      blocks_.push_back({line.file, line.active});
      return !line.active;
    }
    while (!blocks_.empty() && blocks_.back().file != line.file) blocks_.pop_back();
    if (blocks_.empty()) return !line.active;  // an ELSE without IF
    const bool off = !blocks_.back().active;
    if (kind == ConditionalKind::EndIf) blocks_.pop_back();
    return off;
  }

 private:
  struct Block {
    std::string_view file;
    bool active;
  };
  std::vector<Block> blocks_;
};

// A line that only the switch for inactive lines brings in: no address, no
// bytes, and "(off)" where conditional assembly switched it off.
void appendShownOnlyLine(std::string& text, const EncodedLine& line, const SourceLine& source, bool switchedOff) {
  constexpr std::string_view kOffMark = "(off)";
  const std::string_view mark = switchedOff ? kOffMark : "";
  text.append(4 + 2, ' ');
  text.append(mark);
  text.append(kHexColumnWidth - mark.size() + 2, ' ');
  text.append(sourceText(line, source));
  appendConvertedComment(text, source.comment);
  // A line with neither code nor comment would end in blanks.
  text.erase(text.find_last_not_of(' ') + 1);
  text.append("\r\n");
}

void appendListingLine(std::string& text, const EncodedLine& line, const SourceLine& source) {
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
  text.append(sourceText(line, source));
  appendConvertedComment(text, source.comment);
  text.append("\r\n");
}

}  // namespace

std::string makeListing(const std::vector<EncodedLine>& emitted, const std::vector<SourceLine>& lines) {
  std::string text =
      "// Quaverton generated clean SDL listing\r\n"
      "// Addr  Hex bytes            SDL source\r\n"
      "\r\n";
  std::size_t size = text.size();
  for (const EncodedLine& line : emitted) {
    size += kLineFraming + std::max(line.bytes.size() * 3, kHexColumnWidth) + line.sourceLength +
            lines[line.lineIndex].comment.size();
  }
  text.reserve(size);
  DirectiveSurroundings directives;
  for (const EncodedLine& line : emitted) {
    const SourceLine& source = lines[line.lineIndex];
    if (isAssembled(source)) {
      appendListingLine(text, line, source);
    } else {
      appendShownOnlyLine(text, line, source, !source.viewOnly || directives.switchedOff(source));
    }
  }
  return text;
}

}  // namespace qv
