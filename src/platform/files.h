#pragma once
// File and folder services. Every path goes through toNativePath first, so
// "\" reaches the file system as "/"; callers keep their own spelling for
// messages.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace qv {

// A regular file that can be opened for reading. Folders, devices and pipes
// do not count, so nothing ever blocks reading them.
bool fileExists(std::string_view path);

// Any file or folder of that name.
bool pathExists(std::string_view path);

bool folderExists(std::string_view path);

// The read-permission test, made without opening the file.
bool isReadable(std::string_view path);

// Creates one folder level; true when it was created.
bool createFolder(std::string_view path);

// Whole content of a regular file, bytes unchanged; at most maxBytes of it,
// so that an endless or enormous file cannot take all memory.
bool readWholeFile(std::string_view path, std::string& bytes,
                   std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

// Creates or empties the file and writes the bytes unchanged. False only
// when the file cannot be opened; a later write error is not reported.
bool writeWholeFile(std::string_view path, std::string_view bytes);

// Last-write time in nanoseconds since the epoch.
bool lastWriteTime(std::string_view path, std::int64_t& time);

bool deleteFile(std::string_view path);

// Copies without replacing an existing target. The copy gets the
// original's permission bits; a copy that fails part-way is removed.
bool copyFileNoOverwrite(std::string_view from, std::string_view to);

// What deciding how to save over a path needs to know about it.
struct SaveTargetFacts {
  bool exists = false;
  // The user may open it for writing.
  bool writable = false;
  // The user may create and rename files in its folder.
  bool folderWritable = false;
  std::uint64_t linkCount = 0;
};
SaveTargetFacts saveTargetFacts(std::string_view path);

// Writes the bytes to a new file beside the target, then renames it over
// the target, which keeps its permission bits and, where the user may set
// them, its owner and group. A failure leaves the target as it was.
bool replaceFileAtomically(std::string_view path, std::string_view bytes);

// Empties the existing file and writes the bytes into it, so that every
// hard link keeps sharing it. False on any open, write or close error.
bool overwriteFileInPlace(std::string_view path, std::string_view bytes);

// True when the file system reaches this file under a differently cased
// name too, so names there are compared ignoring case.
bool namesIgnoreCase(std::string_view path);

// The temporary folder, ending with "/".
std::string temporaryFolder();

}  // namespace qv
