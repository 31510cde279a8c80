#pragma once
// An image chosen with Browse, read back into a source beside it.

#include <optional>
#include <string>

#include "window/main_dialog_view.h"

namespace qv {

struct ImageReadBack {
  // The source written: NAME.asm beside NAME.HEX, or the next free NAME_2.asm, ...
  std::string sourcePath;
  // The disassembler's notes on how the image's text was written.
  std::string notes;
};

// Asks "Disassemble NAME.HEX into NAME.asm?" and on Yes writes the source,
// never over a file; the map beside the image names the handles. Nothing
// when the user says No or the image cannot be read back (said in a box).
std::optional<ImageReadBack> ReadImageBack(MainDialogView& view, const std::string& imagePath);

// Browse's choice is an image rather than a source.
bool IsImagePath(const std::string& path);

}  // namespace qv
