#pragma once
// File and folder services. Every path goes through toNativePath first, so
// either separator reaches the file system as its own; callers keep their
// own spelling for messages. Paths are UTF-8 (on Windows they cross to the
// system as UTF-16).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <compare>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
// so that an endless or enormous file cannot take all memory. When it
// fails, failure (if given) says why: "permission denied", "is a folder".
bool readWholeFile(std::string_view path, std::string& bytes,
                   std::size_t maxBytes = std::numeric_limits<std::size_t>::max(), std::string* failure = nullptr);

// std::fopen of the path.
std::FILE* openFile(std::string_view path, const char* mode);

// How writing a file's whole content ended.
struct FileWrite {
  // The file, or the temporary file beside it, could be made or opened.
  bool opened = false;
  // The new bytes are complete under the file's name.
  bool written = false;
  // When not written, why not in the system's words ("no space left on device").
  std::string failure;
};

// Writes the bytes, unchanged, as the file's whole new content, all or
// nothing: by the method ChooseSaveMethod gives (a refused target counts as
// not opened). A symbolic link keeps leading to the file. A failed or
// interrupted write leaves the previous content, except that an in-place
// write cut off by the end of the process may leave a mix of both.
FileWrite writeWholeFile(std::string_view path, std::string_view bytes);

// Last-write time in nanoseconds since the epoch.
bool lastWriteTime(std::string_view path, std::int64_t& time);

bool deleteFile(std::string_view path);

// Copies without replacing an existing target. The copy gets the
// original's permission bits; it is made under a temporary name and gets
// its own only once complete.
bool copyFileNoOverwrite(std::string_view from, std::string_view to);

// The file a symbolic link leads to; any other path as it is.
std::string linkTarget(std::string_view path);

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

enum class SaveMethod { ReplaceAtomically, WriteInPlace, Refuse };

// A target the user may not write is refused, as opening it would be. An
// ordinary file is replaced atomically; one with several hard links, or in
// a folder where no file can be made beside it, is written in place.
SaveMethod ChooseSaveMethod(const SaveTargetFacts& target);

// Writes the bytes to a new file beside the target, then renames it over
// the target, which keeps its permission bits and, where the user may set
// them, its owner and group (on Windows: its attributes and access rights).
// A failure leaves the target as it was. Temporary files that earlier
// writes of the target left behind go first.
FileWrite replaceFileAtomically(std::string_view path, std::string_view bytes);

// Writes into the existing file, so that every hard link keeps sharing it.
// The file first grows to the new length by the new text's end, so that a
// full disk or a size limit stops the write while every old byte is still
// in place (the file is then cut back to exactly what it was); only then
// are the old bytes overwritten and any rest cut off.
FileWrite overwriteFileInPlace(std::string_view path, std::string_view bytes);

// Removes the temporary files that writes left in the folder when they were
// cut short, for the files whose names isTarget accepts. One that a running
// write still holds stays.
void removeLeftoverTemporaries(std::string_view folder, const std::function<bool(std::string_view)>& isTarget);

// True when the file system compares names ignoring letter case in the
// folder of path (which need not exist). It is asked by making a temporary
// file of path's there and looking for it under the name in the other case;
// false when no file can be made there.
bool namesIgnoreCase(std::string_view path);

// What tells files apart: one file under two names (links) has one identity.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  friend auto operator<=>(const FileIdentity&, const FileIdentity&) = default;
};
// Nothing when no such file or folder can be reached.
std::optional<FileIdentity> fileIdentity(std::string_view path);

// The same text, or names of one file.
bool sameFile(std::string_view a, std::string_view b);

// Names of the files (folders left out) in the folder that match the
// pattern, where "*" stands for any run of characters and letter case is
// ignored. Empty when there is no such folder; nothing when it cannot be read.
std::optional<std::vector<std::string>> listFiles(std::string_view folder, std::string_view pattern);

// The temporary folder, ending with a separator.
std::string temporaryFolder();

}  // namespace qv
