#include "window/win32/editor/rich_edit_text.h"

#include "window/model/files/text_file.h"

namespace qv {

namespace {

char byteOf(wchar_t unit) {
  if (unit == L'\r') return '\n';
  if (unit < 256) return static_cast<char>(unit);
  // One byte for one character, so that later positions stay where they are.
  std::string folded = foldTo7Bit(std::u32string(1, static_cast<char32_t>(unit)));
  return folded.size() == 1 ? folded.front() : '?';
}

}  // namespace

std::wstring RichEditInput(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (byte == '\n') byte = '\r';
    wide += byte == 0 ? L' ' : static_cast<wchar_t>(byte);
  }
  return wide;
}

std::string RichEditOutput(std::wstring_view text) {
  std::string bytes(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) bytes[i] = byteOf(text[i]);
  return bytes;
}

}  // namespace qv
