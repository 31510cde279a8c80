#include "window/model/recovery/recovery_folder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <random>

#include "platform/files.h"
#include "platform/paths.h"
#include "preprocess/read_budget.h"

namespace qv {

namespace {

constexpr std::string_view kCopyExtension = ".copy";
constexpr std::string_view kLockExtension = ".lock";
// Room for the header beside the largest text a tab holds.
constexpr std::size_t kHeaderAllowance = std::size_t{64} << 10;

// SESSION of "SESSION-N.copy"; empty for any other name.
std::string sessionOfCopy(std::string_view name) {
  if (!name.ends_with(kCopyExtension)) return {};
  std::size_t dash = name.rfind('-');
  return dash == std::string_view::npos || dash == 0 ? std::string() : std::string(name.substr(0, dash));
}

}  // namespace

std::string RecoveryFolderOf(const std::string& userDataFolder) {
  if (userDataFolder.empty()) return {};
  return joinPath(userDataFolder, "recovery") + kPathSeparator;
}

std::string NewSessionName() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  auto nanoseconds = static_cast<unsigned long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
  // Two windows may start within one tick of the clock.
  std::random_device random;
  char name[48];
  std::snprintf(name, sizeof name, "%016llx%08x", nanoseconds, static_cast<unsigned>(random()));
  return name;
}

std::string SessionLockPath(const std::string& folder, const std::string& session) {
  return folder + session + std::string(kLockExtension);
}

std::string SessionCopyPath(const std::string& folder, const std::string& session, int number) {
  return folder + session + "-" + std::to_string(number) + std::string(kCopyExtension);
}

LeftOvers FindLeftOverCopies(const std::string& folder, const std::string& ownSession) {
  LeftOvers leftOvers;
  removeLeftoverTemporaries(folder, [](std::string_view name) { return !sessionOfCopy(name).empty(); });
  std::optional<std::vector<std::string>> names = listFiles(folder, "*" + std::string(kCopyExtension));
  if (!names) return leftOvers;
  // true: the session has ended and its copies are offered.
  std::map<std::string, bool> ended;
  for (const std::string& name : *names) {
    std::string session = sessionOfCopy(name);
    if (session.empty() || session == ownSession) continue;
    auto known = ended.find(session);
    if (known == ended.end()) {
      std::string lockPath = SessionLockPath(folder, session);
      std::optional<HeldFileLock> lock;
      bool hasLock = pathExists(lockPath);
      if (hasLock) lock = HeldFileLock::tryLock(lockPath);
      known = ended.emplace(session, !hasLock || lock.has_value()).first;
      if (lock) leftOvers.endedSessions.push_back(std::move(*lock));
    }
    if (!known->second) continue;

    LeftOverCopy left{folder + name, std::nullopt, {}};
    std::string bytes;
    std::string failure;
    if (readWholeFile(left.path, bytes, SourceReadLimits{}.bytes + kHeaderAllowance, &failure)) {
      left.copy = ParseRecoveryCopy(bytes, left.damage);
    } else {
      left.damage = failure;
    }
    leftOvers.copies.push_back(std::move(left));
  }
  std::stable_sort(leftOvers.copies.begin(), leftOvers.copies.end(), [](const LeftOverCopy& a, const LeftOverCopy& b) {
    return (a.copy ? a.copy->taken : 0) < (b.copy ? b.copy->taken : 0);
  });
  return leftOvers;
}

void RemoveEndedSessions(const std::string& folder, const std::string& ownSession, LeftOvers& leftOvers) {
  std::vector<std::string> withCopies;
  if (std::optional<std::vector<std::string>> copies = listFiles(folder, "*" + std::string(kCopyExtension))) {
    for (const std::string& name : *copies) withCopies.push_back(sessionOfCopy(name));
  }
  std::optional<std::vector<std::string>> locks = listFiles(folder, "*" + std::string(kLockExtension));
  for (const std::string& name : locks.value_or(std::vector<std::string>{})) {
    std::string session = name.substr(0, name.size() - kLockExtension.size());
    if (session == ownSession || std::find(withCopies.begin(), withCopies.end(), session) != withCopies.end()) continue;
    std::string path = folder + name;
    auto held = std::find_if(leftOvers.endedSessions.begin(), leftOvers.endedSessions.end(),
                             [&](const HeldFileLock& lock) { return fileNameOf(lock.path()) == name; });
    std::optional<HeldFileLock> lock;
    if (held != leftOvers.endedSessions.end()) {
      lock = std::move(*held);
    } else {
      lock = HeldFileLock::tryLock(path);
    }
    // A session still running holds its lock, copies or not.
    if (lock) lock->unlockAndRemove();
  }
  leftOvers.endedSessions.clear();
}

}  // namespace qv
