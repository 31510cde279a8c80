#pragma once
// Path text operations. "\" and "/" are both separators on input; paths this
// layer produces use the build's own separator, kPathSeparator. Absolute are
// drive-letter paths ("X:..."), paths starting with two separators
// ("\\server\share") and, on POSIX, any path starting with a separator.

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
// current folder, "." and ".." folded without resolving links. On POSIX a
// drive-letter path is kept as written; on Windows the system resolves it,
// and a path it cannot resolve within 260 characters stays as it was.
std::string canonicalPath(std::string_view path);

bool isAbsolutePath(std::string_view path);
bool hasDriveLetter(std::string_view path);

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
