// A handle opened without sharing: every other open of the file fails
// until it is closed, which the system does when the process ends.
#include <windows.h>

#include <utility>

#include "platform/file_lock.h"
#include "platform/utf16_windows.h"

namespace qv {

std::optional<HeldFileLock> HeldFileLock::tryLock(std::string_view path) {
  HANDLE handle = CreateFileW(nativeWidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  return HeldFileLock(reinterpret_cast<std::intptr_t>(handle), std::string(path));
}

void HeldFileLock::unlock() {
  if (m_handle == kNone) return;
  CloseHandle(reinterpret_cast<HANDLE>(m_handle));
  m_handle = kNone;
}

void HeldFileLock::unlockAndRemove() {
  if (m_handle == kNone) return;
  // An unshared file cannot be deleted while it is open, even by its holder.
  unlock();
  DeleteFileW(nativeWidePath(m_path).c_str());
}

}  // namespace qv
