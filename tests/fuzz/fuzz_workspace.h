#pragma once
// A private folder for one fuzzing process. Each run empties it first, so no
// run sees another's files; the process removes it when it ends normally.

#include <string>
#include <string_view>

namespace qv::fuzz {

// Absolute path of the folder, without a final separator.
const std::string& workspaceFolder();

void emptyWorkspace();

// Writes the bytes to workspaceFolder() + "/" + name; returns that path.
std::string writeWorkspaceFile(std::string_view name, std::string_view bytes);

// True when path names something inside the workspace folder.
bool isInsideWorkspace(std::string_view path);

}  // namespace qv::fuzz
