#pragma once
// The shared editor's text on its way in and out of the rich edit control.
// Every byte is one character, and every line break one CR, as the control
// keeps it; so positions are the same on both sides.

#include <string>
#include <string_view>

namespace qv {

// CR LF, lone CR and lone LF each become one CR; a NUL, which would end the
// control's text early, becomes a blank.
std::wstring RichEditInput(std::string_view text);

// As the model reads it: line breaks as LF, each character one byte (those
// from 256 up folded to a 7-bit look-alike of one byte, or "?").
std::string RichEditOutput(std::wstring_view text);

}  // namespace qv
