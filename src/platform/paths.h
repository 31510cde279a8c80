#pragma once
// Path text operations. "\" and "/" are both separators on input; paths this
// layer produces use the build's own separator, kPathSeparator. A
// drive-letter path ("X:...") is never joined to the current folder.

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

bool isSeparator(char c);

// Every separator turned into kPathSeparator: the form handed to the
// operating system.
std::string toNativePath(std::string_view path);

// Full absolute form: separators unified, relative paths joined to the
// current folder, "." and ".." folded below the root without resolving
// links. On Windows the system's full-path service does it, and a path it
// cannot resolve within 260 characters stays as it was.
std::string canonicalPath(std::string_view path);

// Drive-letter paths, paths beginning with two separators, and on POSIX
// paths beginning with "/". A single leading "\" (on Windows also "/") is
// not absolute: projects written on Windows mean a folder below the
// including file's one by it.
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
