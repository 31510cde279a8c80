#include "window/model/source/image_readback.h"

#include "common/text.h"
#include "compile/output_paths.h"
#include "disassembler/disassembler.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace qv {

namespace {

// More than anyone keeps beside one image.
constexpr int kMostNumberedNames = 1000;

std::string numberedName(const std::string& base, int number) {
  return number == 1 ? base + ".asm" : base + "_" + std::to_string(number) + ".asm";
}

std::string freeSourceName(const std::string& base) {
  for (int number = 1; number <= kMostNumberedNames; ++number) {
    if (!pathExists(numberedName(base, number))) return numberedName(base, number);
  }
  return {};
}

std::string mapBeside(const std::string& base) {
  for (const char* extension : {".MAP", ".map"}) {
    if (fileExists(base + extension)) return base + extension;
  }
  return {};
}

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += (joined.empty() ? "" : "\r\n") + line;
  return joined;
}

void say(MainDialogView& view, const std::string& text) {
  view.ShowMessageBox(text, MessageBoxButtons::Ok, MessageBoxIcon::None);
}

}  // namespace

bool IsImagePath(const std::string& path) {
  std::string name = fileNameOf(path);
  return name.size() > 4 && equalsNoCase(std::string_view(name).substr(name.size() - 4), ".HEX");
}

std::optional<ImageReadBack> ReadImageBack(MainDialogView& view, const std::string& imagePath) {
  const std::string base = cutExtension(imagePath, true);
  std::string sourcePath = freeSourceName(base);
  if (sourcePath.empty()) {
    say(view, "No free name for a source beside " + imagePath);
    return std::nullopt;
  }
  std::string question = "Disassemble " + fileNameOf(imagePath) + " into " + fileNameOf(sourcePath) + "?";
  if (view.ShowMessageBox(question, MessageBoxButtons::YesNo, MessageBoxIcon::Question) != MessageBoxAnswer::Yes) {
    return std::nullopt;
  }
  Disassembly disassembly = disassembleImage(DisassemblyRequest{imagePath, mapBeside(base), sourcePath});
  if (disassembly.failure != DisassemblyFailure::None) {
    say(view, "Unable to disassemble " + fileNameOf(imagePath) + ":\r\n" + joinedLines(disassembly.messages));
    return std::nullopt;
  }
  FileWrite write = createFileAtomically(sourcePath, disassembly.sourceText);
  if (!write.written) {
    say(view, "Unable to write " + sourcePath + (write.failure.empty() ? "" : ": " + write.failure));
    return std::nullopt;
  }
  return ImageReadBack{sourcePath, joinedLines(disassembly.messages)};
}

}  // namespace qv
