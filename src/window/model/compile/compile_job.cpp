#include "window/model/compile/compile_job.h"

#include <memory>
#include <utility>

#include "compile/compiler.h"
#include "compile/carried_include_provider.h"

namespace qv {

CompileJob::CompileJob(std::string sourcePath, CompileRequest request, ProgressSink showProgress)
    : m_sourcePath(std::move(sourcePath)),
      m_request(std::move(request)),
      m_showProgress(std::move(showProgress)),
      m_windowThread(std::this_thread::get_id()) {
  m_request.progressCallback = OnProgress;
  m_request.progressContext = this;
}

void CompileJob::DiscardAlongside(CompileResult previous) { m_previous = std::move(previous); }

void CompileJob::Run() {
  try {
    std::jthread discarding([previous = std::move(m_previous)]() mutable { previous = CompileResult(); });
    auto compiler = std::make_unique<Compiler>();
    compiler->setBuiltInIncludeProvider(carriedIncludeProvider);
    m_result = compiler->compile(m_sourcePath, m_request);
    // The lines and image entries of a big compile hold several times the
    // memory of its source; they are let go of here, on the thread that
    // made them, so that their pages come free whole.
    m_origins = LineOriginsOf(m_result.lines);
    m_result.lines = {};
    m_result.emitted = {};
  } catch (...) {
    m_failure = std::current_exception();
  }
}

void CompileJob::OnProgress(void* context, std::uint32_t done, std::uint32_t total, const char*) {
  auto* job = static_cast<CompileJob*>(context);
  if (std::this_thread::get_id() == job->m_windowThread) {
    job->m_showProgress(done, total);
    return;
  }
  std::lock_guard<std::mutex> hold(job->m_reportLock);
  job->m_pendingReport = Report{done, total};
}

void CompileJob::ShowPendingProgress() {
  std::optional<Report> report;
  {
    std::lock_guard<std::mutex> hold(m_reportLock);
    report = std::exchange(m_pendingReport, std::nullopt);
  }
  if (report) m_showProgress(report->done, report->total);
}

CompileResult CompileJob::TakeResult() {
  if (m_failure) std::rethrow_exception(m_failure);
  return std::move(m_result);
}

}  // namespace qv
