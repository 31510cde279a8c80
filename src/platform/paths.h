#pragma once
// Path text operations. "\" and "/" are both separators on input; paths this
// layer produces use "/". A drive-letter path ("X:...") is never joined to
// the current folder.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

bool isSeparator(char c);

// Every "\" turned into "/": the form handed to the operating system.
std::string toNativePath(std::string_view path);

// Full absolute form: separators unified, relative paths joined to the
// current folder, "." and ".." folded below the root without resolving
// links.
std::string canonicalPath(std::string_view path);

// Drive-letter paths, paths beginning with two separators, and paths
// beginning with "/". A single leading "\" is not absolute: projects written
// on Windows mean a folder below the including file's one by it.
bool isAbsolutePath(std::string_view path);
bool hasDriveLetter(std::string_view path);

// Length of the root that ".." never climbs above: "X:/" or "X:" for a
// drive, a leading "//" (kept, as network paths need it), "/"; 0 for a
// relative path.
std::size_t rootLength(std::string_view path);

// Text before the last separator; empty when there is none.
std::string directoryOf(std::string_view path);

// Text after the last separator; the whole path when there is none.
std::string fileNameOf(std::string_view path);
// The same as a view into path.
std::string_view fileNameView(std::string_view path);

// name when folder is empty, folder when name is empty, else the two joined
// with one separator.
std::string joinPath(std::string_view folder, std::string_view name);

// Trimmed, with one pair of enclosing double or single quotes removed.
std::string unquote(std::string_view text);

}  // namespace qv
