#include "window/model/recovery/copy_writer.h"

#include <algorithm>
#include <utility>

#include "platform/files.h"
#include "platform/trace_log.h"

namespace qv {

CopyWriter::~CopyWriter() {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ending = true;
  }
  m_changed.notify_all();
  if (m_thread.joinable()) m_thread.join();
}

void CopyWriter::Write(const std::string& path, std::string bytes) {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto last = std::find_if(m_jobs.rbegin(), m_jobs.rend(), [&](const Job& job) { return job.path == path; });
    if (last != m_jobs.rend() && last->bytes) {
      last->bytes = std::move(bytes);
      return;
    }
  }
  Add({path, std::move(bytes)});
}

void CopyWriter::Remove(const std::string& path) { Add({path, std::nullopt}); }

void CopyWriter::Add(Job job) {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_jobs.push_back(std::move(job));
    // Started with the first copy: most windows never need one.
    if (!m_thread.joinable()) m_thread = std::thread([this] { Run(); });
  }
  m_changed.notify_all();
}

void CopyWriter::Wait() {
  std::unique_lock<std::mutex> lock(m_mutex);
  m_changed.wait(lock, [this] { return m_jobs.empty() && !m_working; });
}

void CopyWriter::Run() {
  std::unique_lock<std::mutex> lock(m_mutex);
  while (true) {
    m_changed.wait(lock, [this] { return !m_jobs.empty() || m_ending; });
    if (m_jobs.empty()) return;
    Job job = std::move(m_jobs.front());
    m_jobs.pop_front();
    m_working = true;
    lock.unlock();
    if (job.bytes) {
      FileWrite written = writeWholeFile(job.path, *job.bytes);
      if (!written.written) traceLog("Recovery copy %s not written: %s", job.path.c_str(), written.failure.c_str());
    } else {
      deleteFile(job.path);
    }
    lock.lock();
    m_working = false;
    m_changed.notify_all();
  }
}

}  // namespace qv
