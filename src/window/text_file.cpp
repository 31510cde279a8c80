#include "window/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text_decoding.h"
#include "preprocess/read_budget.h"
#include "window/editor_text.h"

namespace qv {

namespace {

namespace fs = std::filesystem;

// Enough tries to step over leftovers of earlier interrupted saves.
constexpr int kTemporaryNameAttempts = 100;

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
  return decodeWindows1252(bytes);
}

struct UnifiedLineEnds {
  std::string text;
  bool sawCrLf = false;
  bool sawBareEnd = false;
};

UnifiedLineEnds unifyLineEnds(std::string_view text) {
  UnifiedLineEnds result;
  result.text.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      result.sawCrLf = true;
      ++i;
      c = '\n';
    } else if (c == '\r' || c == '\n') {
      result.sawBareEnd = true;
      c = '\n';
    }
    result.text += c;
  }
  return result;
}

std::string bytesToSave(std::string_view text, std::string_view lineEnd) {
  return WithLineEnds(foldTo7Bit(decodeWindows1252(text)), lineEnd);
}

// A linked file is replaced where it lives, so the link keeps working.
std::string finalTarget(const std::string& nativePath) {
  std::error_code error;
  if (!fs::is_symlink(nativePath, error)) return nativePath;
  fs::path resolved = fs::canonical(nativePath, error);
  return error ? nativePath : resolved.string();
}

// A new file of its own beside the target, open for writing.
std::FILE* createTemporaryBeside(const std::string& target, std::string& temporaryPath) {
  std::size_t nameStart = target.rfind('/') + 1;  // 0 when there is no folder
  std::string stem = target.substr(0, nameStart) + "." + target.substr(nameStart) + ".saving-";
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporaryPath = stem + std::to_string(attempt);
    std::FILE* file = std::fopen(temporaryPath.c_str(), "wbx");
    if (file != nullptr || errno != EEXIST) return file;
  }
  return nullptr;
}

bool replaceFileContent(std::string_view path, std::string_view bytes) {
  std::string target = finalTarget(toNativePath(path));
  std::string temporaryPath;
  std::FILE* file = createTemporaryBeside(target, temporaryPath);
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  bool closed = std::fclose(file) == 0;
  std::error_code error;
  if (written && closed) {
    fs::file_status old = fs::status(target, error);
    if (fs::exists(old)) fs::permissions(temporaryPath, old.permissions(), error);
    error.clear();
    fs::rename(temporaryPath, target, error);
    if (!error) return true;
  }
  fs::remove(temporaryPath, error);
  return false;
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

bool ReadTextFile(std::string_view path, std::string& text, std::string& lineEnd) {
  // A file larger than a compile would read is refused, not loaded whole.
  const std::size_t limit = SourceReadLimits{}.bytes;
  std::string bytes;
  if (!readWholeFile(path, bytes, limit + 1) || bytes.size() > limit) return false;
  // Plain ASCII, as most sources are, needs neither decoding nor folding.
  bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  std::string folded = ascii ? std::string() : foldTo7Bit(decodeFileBytes(bytes));
  UnifiedLineEnds unified = unifyLineEnds(ascii ? std::string_view(bytes) : std::string_view(folded));
  text = ExpandTabs(unified.text);
  lineEnd = (unified.sawBareEnd && !unified.sawCrLf) ? "\n" : "\r\n";
  return true;
}

bool SaveTextFile(std::string_view path, std::string_view text, std::string_view lineEnd,
                  const BackupOptions& backups) {
  if (path.empty()) return false;
  BackupBeforeSave(path, backups);
  return replaceFileContent(path, bytesToSave(text, lineEnd));
}

}  // namespace qv
