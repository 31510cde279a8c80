#pragma once
// Reading an image back: an Intel HEX file becomes an SDL source that
// assembles to the same bytes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct DisassemblyRequest {
  std::string imagePath;   // messages name it as given
  std::string mapPath;     // empty: no handle map
  // Where the source is to stand: the definitions file it will include is
  // looked for beside it, and its name goes into its header.
  std::string sourcePath;
};

enum class DisassemblyFailure {
  None,
  Unreadable,  // the image or the map cannot be read
  NotAnImage,  // not an image (or map) that can be read back
};

struct Disassembly {
  DisassemblyFailure failure = DisassemblyFailure::None;
  std::string sourceText;  // empty on failure
  // "FILE:LINE: error: TEXT", "FILE: error: TEXT" and "FILE: note: TEXT" lines.
  std::vector<std::string> messages;
};

// Reads the image (and map) files.
Disassembly disassembleImage(const DisassemblyRequest& request);

// The same for texts already read; the request's paths name them.
Disassembly disassembleHexText(std::string_view hexText, const std::optional<std::string_view>& mapText,
                               const DisassemblyRequest& request);

}  // namespace qv
