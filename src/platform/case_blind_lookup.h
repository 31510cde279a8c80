#pragma once
// Finding a file whose path differs only in letter case from the one named:
// projects written where the file system ignores case rely on that. Where the
// file system ignores case itself, this has nothing to find.

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The regular files whose path equals path apart from ASCII letter case, in
// byte order. A level of the path that exists as written is kept as written;
// only the others are searched for, so most lookups read one folder.
std::vector<std::string> caseBlindMatches(std::string_view path);

}  // namespace qv
