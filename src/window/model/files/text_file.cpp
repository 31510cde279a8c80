#include "window/model/files/text_file.h"

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "platform/filesystem_path.h"
#include "platform/text_decoding.h"
#include "preprocess/read_budget.h"
#include "window/model/tabs/editor_text.h"

namespace qv {

namespace {

namespace fs = std::filesystem;

std::string_view replacementFor(char32_t c) {
  switch (c) {
    case 160: case 8194: case 8195: case 8201:
      return " ";
    case 169:
      return "(c)";
    case 174:
      return "(r)";
    case 183: case 8211: case 8212: case 8226: case 8227: case 8259: case 8722:
      return "-";
    case 188:
      return "1/4";
    case 189:
      return "1/2";
    case 190:
      return "3/4";
    case 8216: case 8217:
      return "'";
    case 8220: case 8221:
      return "\"";
    case 8230:
      return "...";
    case 8260: case 8725:
      return "/";
    default:
      return "?";
  }
}

std::u32string decodeFileBytes(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return decodeUtf16(bytes.substr(2), ByteOrder::LittleEndian);
  if (bytes.starts_with("\xFE\xFF")) return decodeUtf16(bytes.substr(2), ByteOrder::BigEndian);
  std::string_view body = bytes;
  if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
  if (std::optional<std::u32string> text = decodeUtf8Strict(body)) return std::move(*text);
  return decodeAnsiCodePage(bytes);
}

std::string bytesToSave(std::string_view text, std::string_view lineEnd) {
  return WithLineEnds(foldTo7Bit(decodeAnsiCodePage(text)), SavedLineEnd(lineEnd));
}

}  // namespace

std::string foldTo7Bit(std::u32string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (char32_t c : text) {
    if (c < 128) {
      folded += static_cast<char>(c);
    } else {
      folded += replacementFor(c);
    }
  }
  return folded;
}

std::string_view SavedLineEnd(std::string_view readStyle) {
#ifdef _WIN32
  static_cast<void>(readStyle);
  return "\r\n";
#else
  return readStyle == "\r\n" ? "\r\n" : "\n";
#endif
}

bool ReadTextFile(std::string_view path, std::string& text, std::string& lineEnd, std::size_t* foldedCount,
                  std::string* failure) {
  // A file larger than a compile would read is refused, not loaded whole;
  // most such files are turned away by their size alone.
  const std::size_t limit = SourceReadLimits{}.bytes;
  std::error_code error;
  std::uintmax_t size = fs::file_size(filesystemPath(path), error);
  bool tooLarge = !error && size > limit;
  std::string bytes;
  if (!tooLarge && !readWholeFile(path, bytes, limit + 1, failure)) return false;
  if (tooLarge || bytes.size() > limit) {
    if (failure != nullptr) *failure = "larger than the source size limit (" + std::to_string(limit) + " bytes)";
    return false;
  }
  // Plain ASCII, as most sources are, needs neither decoding nor folding.
  bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  std::u32string characters = ascii ? std::u32string() : decodeFileBytes(bytes);
  std::string folded = ascii ? std::string() : foldTo7Bit(characters);
  LfText unified = WithLfLineEnds(ascii ? std::string_view(bytes) : std::string_view(folded));
  text = ExpandTabs(unified.text);
  lineEnd = unified.hadCrLf ? "\r\n" : "\n";
  if (foldedCount != nullptr) {
    *foldedCount = static_cast<std::size_t>(
        std::count_if(characters.begin(), characters.end(), [](char32_t c) { return c >= 128; }));
  }
  return true;
}

bool SaveTextFile(std::string_view path, std::string_view text, std::string_view lineEnd,
                  const BackupOptions& backups) {
  if (path.empty()) return false;
  // A refused save leaves nothing behind, not even a backup.
  if (ChooseSaveMethod(saveTargetFacts(linkTarget(path))) == SaveMethod::Refuse) return false;
  BackupBeforeSave(path, backups);
  return writeWholeFile(path, bytesToSave(text, lineEnd)).written;
}

std::optional<std::string> KeepTextAsBackup(std::string_view path, std::string_view text, std::string_view lineEnd,
                                            const BackupOptions& backups) {
  return KeepAsBackup(path, bytesToSave(text, lineEnd), backups);
}

}  // namespace qv
