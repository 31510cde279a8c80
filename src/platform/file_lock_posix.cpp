// flock: held by the open file, so a second open in the same process is
// refused too, and the system lets go when the process ends.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

#include "platform/file_lock.h"
#include "platform/paths.h"

namespace qv {

std::optional<HeldFileLock> HeldFileLock::tryLock(std::string_view path) {
  std::string native = toNativePath(path);
  int descriptor = ::open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (descriptor < 0) return std::nullopt;
  if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    ::close(descriptor);
    return std::nullopt;
  }
  return HeldFileLock(descriptor, std::move(native));
}

void HeldFileLock::unlock() {
  if (m_handle == kNone) return;
  ::close(static_cast<int>(m_handle));
  m_handle = kNone;
}

void HeldFileLock::unlockAndRemove() {
  if (m_handle == kNone) return;
  // Still held while it goes, so no one takes it for a left-over meanwhile.
  ::unlink(m_path.c_str());
  unlock();
}

}  // namespace qv
