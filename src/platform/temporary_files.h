#pragma once
// The program's own temporary files, made beside the file a write is for
// and named "." + that file's name + ".saving-" + a number; only the
// platform layer makes, finds and removes them.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Enough tries to step over the temporaries of writes running meanwhile.
inline constexpr int kTemporaryNameAttempts = 100;

std::string temporaryNameFor(std::string_view fileName, int attempt);

// The name of the file a temporary is for; nothing for any other name.
std::optional<std::string_view> temporaryTarget(std::string_view name);

// Deletes a temporary that no running write holds any more.
void removeIfAbandoned(const std::string& path);

}  // namespace qv
