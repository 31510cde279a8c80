#pragma once
// Writes and removes recovery copies on a thread of its own, in the order
// asked, so that a big text costs the window's thread no pause. Each copy
// is written whole under a temporary name, then renamed.

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace qv {

class CopyWriter {
 public:
  CopyWriter() = default;
  CopyWriter(const CopyWriter&) = delete;
  CopyWriter& operator=(const CopyWriter&) = delete;
  // Does what was asked first.
  ~CopyWriter();

  // A write still waiting for the same file takes the newer bytes instead.
  void Write(const std::string& path, std::string bytes);
  void Remove(const std::string& path);
  // Returns once everything asked so far is done.
  void Wait();

 private:
  struct Job {
    std::string path;
    // Nothing: remove the file.
    std::optional<std::string> bytes;
  };

  void Add(Job job);
  void Run();

  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<Job> m_jobs;
  bool m_working = false;
  bool m_ending = false;
  std::thread m_thread;
};

}  // namespace qv
