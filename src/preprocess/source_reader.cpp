#include "preprocess/source_reader.h"

#include <utility>

#include "platform/files.h"
#include "common/text.h"

namespace qv {

SourceText SourceText::fromDiskBytes(std::string bytes, std::size_t maxLines) {
  SourceText text;
  text.bytes_ = std::make_shared<const std::string>(std::move(bytes));
  std::string_view all = *text.bytes_;
  std::size_t begin = 0;
  while (begin < all.size() && text.lines_.size() < maxLines) {
    std::size_t end = all.find('\n', begin);
    bool lastPiece = end == std::string_view::npos;
    if (lastPiece) end = all.size();
    std::size_t length = end - begin;
    if (length > 0 && all[end - 1] == '\r') --length;
    text.lines_.push_back({begin, length});
    if (lastPiece) break;
    begin = end + 1;
  }
  return text;
}

SourceText SourceText::fromCarriedText(std::string carried) {
  SourceText text;
  text.bytes_ = std::make_shared<const std::string>(std::move(carried));
  std::string_view all = *text.bytes_;
  std::size_t begin = 0;
  for (;;) {
    std::size_t end = all.find('\n', begin);
    if (end == std::string_view::npos) {
      text.lines_.push_back({begin, all.size() - begin});
      break;
    }
    text.lines_.push_back({begin, end - begin});
    begin = end + 1;
  }
  return text;
}

std::string_view SourceText::line(std::size_t index) const {
  const Span& span = lines_[index];
  return std::string_view(*bytes_).substr(span.begin, span.length);
}

bool readSourceLines(const SourceRef& source, const BuiltInIncludeProvider& provider, SourceReadBudget& budget,
                     MessageList& errors, SourceText& text) {
  if (source.carriedName.empty()) {
    // One byte past what is left tells a file that does not fit, without
    // reading an enormous or endless one to its end.
    std::string bytes;
    if (!readWholeFile(source.path, bytes, budget.bytesLeft() + 1)) {
      errors.error("ERROR: Include not found: " + source.path);
      return false;
    }
    if (!budget.takeBytes(bytes.size(), source.path, errors)) return false;
    // Indexed one line past what is left at most: enough to refuse a text
    // with too many lines, and the index stays small.
    text = SourceText::fromDiskBytes(std::move(bytes), budget.linesLeft() + 1);
  } else {
    std::string carried;
    if (!provider || !provider(source.carriedName, carried)) {
      errors.error("ERROR: Bundled include not found: " + source.carriedName);
      return false;
    }
    if (!budget.takeBytes(carried.size(), source.path, errors)) return false;
    text = SourceText::fromCarriedText(std::move(carried));
  }
  return budget.takeLines(text.lineCount(), source.path, errors);
}

LineParts splitLine(std::string_view text) {
  std::size_t start = text.find(';');
  std::size_t slashes = text.substr(0, start).find("//");
  if (slashes != std::string_view::npos) start = slashes;
  if (start == std::string_view::npos) return {trimView(text), {}};
  return {trimView(text.substr(0, start)), trimView(text.substr(start))};
}

void splitComment(std::string_view text, std::string& code, std::string& comment) {
  LineParts parts = splitLine(text);
  code = parts.code;
  comment = parts.comment;
}

SourceLine makeSourceLine(std::string_view text, std::string_view file, std::int32_t lineNumber, bool active) {
  return makeSourceLine(text, splitLine(text), file, lineNumber, active);
}

SourceLine makeSourceLine(std::string_view text, const LineParts& parts, std::string_view file,
                          std::int32_t lineNumber, bool active) {
  return SourceLine{text, parts.code, parts.comment, file, lineNumber, active};
}

}  // namespace qv
