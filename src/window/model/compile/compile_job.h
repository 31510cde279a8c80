#pragma once
// One compile as the window runs it, on a thread of its own while the window
// keeps drawing. A progress report made on the window's own thread is shown
// at once; one made on another thread waits until the window's thread
// collects it.

#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "common/compile_request.h"
#include "compile/compile_result.h"
#include "window/model/results/line_origins.h"

namespace qv {

class CompileJob {
 public:
  using ProgressSink = std::function<void(std::uint32_t done, std::uint32_t total)>;

  // Made on the window's thread; showProgress only ever runs there.
  CompileJob(std::string sourcePath, CompileRequest request, ProgressSink showProgress);

  // The last compile's result, let go of beside this compile.
  void DiscardAlongside(CompileResult previous);
  // Compiles on any thread. Never throws: an exception waits for TakeResult.
  void Run();
  // On the window's thread: shows the latest report made elsewhere, if new.
  void ShowPendingProgress();
  // Once Run has ended: the result, or the compile's exception thrown again.
  CompileResult TakeResult();
  // With it, where its lines came from: the result keeps no lines.
  LineOrigins TakeLineOrigins() { return std::move(m_origins); }

 private:
  struct Report {
    std::uint32_t done = 0;
    std::uint32_t total = 0;
  };
  void KeepWhatTheWindowUses();
  static void OnProgress(void* context, std::uint32_t done, std::uint32_t total, const char* phase);

  std::string m_sourcePath;
  CompileRequest m_request;
  ProgressSink m_showProgress;
  std::thread::id m_windowThread;
  std::mutex m_reportLock;
  std::optional<Report> m_pendingReport;
  CompileResult m_previous;
  CompileResult m_result;
  LineOrigins m_origins;
  std::exception_ptr m_failure;
};

}  // namespace qv
