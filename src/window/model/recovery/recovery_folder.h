#pragma once
// The recovery folder: each running window holds the lock file of its
// session (SESSION.lock) and keeps its copies as SESSION-N.copy. A session
// whose lock nobody holds has ended, however it ended, and its copies are
// left over.

#include <optional>
#include <string>
#include <vector>

#include "platform/file_lock.h"
#include "window/model/recovery/recovery_copy.h"

namespace qv {

// userDataFolder + "recovery" + a separator; empty for an empty folder.
std::string RecoveryFolderOf(const std::string& userDataFolder);

// A name no other window's session has, now or before.
std::string NewSessionName();
std::string SessionLockPath(const std::string& folder, const std::string& session);
std::string SessionCopyPath(const std::string& folder, const std::string& session, int number);

struct LeftOverCopy {
  std::string path;
  // Nothing when the copy is damaged or cannot be read.
  std::optional<RecoveryCopy> copy;
  // Why it is damaged.
  std::string damage;
};

struct LeftOvers {
  std::vector<LeftOverCopy> copies;
  // The locks of the ended sessions, held meanwhile, so that a window
  // starting at the same time does not take the same copies.
  std::vector<HeldFileLock> endedSessions;
};

// The copies of every ended session but ownSession, oldest first, and
// what interrupted writes of copies left behind removed.
LeftOvers FindLeftOverCopies(const std::string& folder, const std::string& ownSession);

// Removes the lock files of ended sessions (but ownSession) that have no
// copies left, and lets go of the rest.
void RemoveEndedSessions(const std::string& folder, const std::string& ownSession, LeftOvers& leftOvers);

}  // namespace qv
