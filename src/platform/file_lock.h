#pragma once
// A lock on a file that the system lets go of when its holder ends, however
// it ends (a crash, a kill, a power cut): what tells a running program's
// files from those a program left behind.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace qv {

class HeldFileLock {
 public:
  // Opens the file (made when missing) and locks it; nothing when another
  // holder, in this process or another, has it locked, or it cannot be made.
  static std::optional<HeldFileLock> tryLock(std::string_view path);

  HeldFileLock(HeldFileLock&& other) noexcept;
  HeldFileLock& operator=(HeldFileLock&& other) noexcept;
  HeldFileLock(const HeldFileLock&) = delete;
  HeldFileLock& operator=(const HeldFileLock&) = delete;
  ~HeldFileLock();

  // Lets go of the lock and deletes the file.
  void unlockAndRemove();
  const std::string& path() const { return m_path; }

 private:
  HeldFileLock(std::intptr_t handle, std::string path) : m_handle(handle), m_path(std::move(path)) {}
  void unlock();

  static constexpr std::intptr_t kNone = -1;
  std::intptr_t m_handle = kNone;
  std::string m_path;
};

}  // namespace qv
