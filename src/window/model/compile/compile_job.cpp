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
    KeepWhatTheWindowUses();
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

// The lines and image entries of a big compile hold several times the memory
// of its source, and the window needs of them only where each line came
// from. The messages and symbols it keeps were made among them: copied
// before they go, they lie together, and the pages of the rest come free
// whole.
void CompileJob::KeepWhatTheWindowUses() {
  std::vector<SourceLine> lines = std::move(m_result.lines);
  std::vector<EncodedLine> emitted = std::move(m_result.emitted);
  m_origins = LineOriginsOf(lines);
  // The big texts lie apart already.
  std::string map = std::move(m_result.mapText);
  std::string listing = std::move(m_result.listingText);
  std::string hex = std::move(m_result.hexText);
  std::string symbols = std::move(m_result.symbolText);
  CompileResult packed = m_result;
  packed.mapText = std::move(map);
  packed.listingText = std::move(listing);
  packed.hexText = std::move(hex);
  packed.symbolText = std::move(symbols);
  m_result = std::move(packed);
}

CompileResult CompileJob::TakeResult() {
  if (m_failure) std::rethrow_exception(m_failure);
  return std::move(m_result);
}

}  // namespace qv
