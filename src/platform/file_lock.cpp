#include "platform/file_lock.h"

#include <utility>

namespace qv {

HeldFileLock::HeldFileLock(HeldFileLock&& other) noexcept
    : m_handle(std::exchange(other.m_handle, kNone)), m_path(std::move(other.m_path)) {}

HeldFileLock& HeldFileLock::operator=(HeldFileLock&& other) noexcept {
  if (this != &other) {
    unlock();
    m_handle = std::exchange(other.m_handle, kNone);
    m_path = std::move(other.m_path);
  }
  return *this;
}

HeldFileLock::~HeldFileLock() { unlock(); }

}  // namespace qv
