// Reading a source file into editor form from any bytes, and the round trip
// through saving: what was read, saved with its own line ends and read
// again, must come back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_failure.h"
#include "fuzz_workspace.h"
#include "window/model/files/text_file.h"

namespace {

void checkEditorForm(std::string_view text, std::string_view lineEnd) {
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 128 || c == '\r' || c == '\t') qv::fuzz::failRun("not in editor form", text);
  }
  if (lineEnd != "\r\n" && lineEnd != "\n") qv::fuzz::failRun("line-end style", lineEnd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qv::fuzz::emptyWorkspace();
  const std::string path =
      qv::fuzz::writeWorkspaceFile("song.asm", std::string_view(reinterpret_cast<const char*>(data), size));
  std::string text = "untouched";
  std::string lineEnd = "untouched";
  if (!qv::ReadTextFile(path, text, lineEnd)) {
    if (text != "untouched" || lineEnd != "untouched") qv::fuzz::failRun("outputs changed by a failed read", path);
    return 0;
  }
  checkEditorForm(text, lineEnd);

  if (!qv::SaveTextFile(path, text, lineEnd, qv::BackupOptions{})) qv::fuzz::failRun("save failed", path);
  std::string again;
  std::string againLineEnd;
  if (!qv::ReadTextFile(path, again, againLineEnd) || again != text) qv::fuzz::failRun("round trip changed", text);
  return 0;
}
