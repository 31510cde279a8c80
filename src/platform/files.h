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

// Copies without replacing an existing target.
bool copyFileNoOverwrite(std::string_view from, std::string_view to);

// The temporary folder, ending with "/".
std::string temporaryFolder();

}  // namespace qv
