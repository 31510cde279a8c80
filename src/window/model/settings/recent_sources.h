#pragma once
// The list of recently selected sources: most recent first, at most
// kMaxRecentSources entries, none empty, no two equal ignoring case.

#include <string>
#include <string_view>
#include <vector>

#include "window/window_texts.h"

namespace qv {

inline constexpr std::size_t kMaxRecentSources = 10;

// The stored form: entries end at "|" when the rest holds one, else at ";".
// Tokens are trimmed, empty ones skipped, the first 10 kept; duplicates stay.
std::vector<std::string> ParseRecentSources(std::string_view stored);

// Non-empty entries joined with "|".
std::string JoinRecentSources(const std::vector<std::string>& sources);

// Puts the trimmed path first, dropping an older entry equal to it ignoring
// case. An empty path or kNoSourceSelectedText changes nothing.
void AddRecentSource(std::vector<std::string>& sources, std::string_view path);

// The drop-down's items in the order a sorted list shows them:
// kNoSourceSelectedText and every non-empty entry, ordered ignoring case.
std::vector<std::string> RecentComboItems(const std::vector<std::string>& sources);

// The item to select: the first that starts with the source path ignoring
// case, or kNoSourceSelectedText without a source; -1 when none matches.
int RecentComboSelection(const std::vector<std::string>& items, std::string_view sourcePath);

}  // namespace qv
