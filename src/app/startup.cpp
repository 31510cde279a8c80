#include "app/startup.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "harness/harness.h"
#include "platform/error_report.h"
#include "platform/paths.h"
#include "platform/trace_log.h"

namespace qv {

namespace {

[[noreturn]] void reportTerminate() {
  showErrorReport(applicationCallbackFailureText(0));
  std::_Exit(EXIT_FAILURE);
}

void reportCreationFailure() {
  char text[128];
  std::snprintf(text, sizeof text, "Main dialog creation failed. DoModal returned -1 (GetLastError=0x%08lX).",
                static_cast<unsigned long>(errno));
  traceLog("Quaverton: %s", text);
  showErrorReport(text);
}

int runStartupSteps(int argc, char** argv, const WindowFactory& makeWindow) {
  traceLog("Quaverton: Entering InitInstance.");
  std::set_terminate(reportTerminate);
  traceLog("Quaverton: SetUnhandledExceptionFilter done.");
  traceLog("Quaverton: App shell init done.");

  HarnessOutcome harness = runHarness(std::vector<std::string>(argv, argv + argc));
  if (harness.requested) {
    traceLog("Quaverton: Headless harness active; exiting with code %d.", harness.exitCode);
    return harness.exitCode;
  }
  traceLog("Quaverton: Headless harness not requested.");
  if (!makeWindow) {
    traceLog("Quaverton: this build has no window.");
    std::fprintf(stderr, "%s\n", kNoWindowText);
    return kExitNoDisplay;
  }

  std::unique_ptr<ModalWindow> window = makeWindow(argc, argv);
  if (!window) {
    traceLog("Quaverton: no display for the main dialog.");
    std::fprintf(stderr, "%s\n", kNoDisplayText);
    return kExitNoDisplay;
  }
  // Made absolute here: the window keeps it in its recent list.
  if (!harness.windowSource.empty()) window->SetStartupSource(canonicalPath(harness.windowSource));
  traceLog("Quaverton: Constructed main dialog object.");
  traceLog("Quaverton: Set m_pMainWnd to dialog.");
  int result = window->DoModal();
  traceLog("Quaverton: dialog.DoModal returned 0x%08X.", static_cast<unsigned>(result));
  if (result == -1) reportCreationFailure();
  return EXIT_SUCCESS;
}

}  // namespace

int runApplication(int argc, char** argv, const WindowFactory& makeWindow) {
  try {
    return runStartupSteps(argc, argv, makeWindow);
  } catch (...) {
    traceLog("Quaverton: unhandled exception in startup catch.");
    showErrorReport("Unhandled exception in application startup. The app will close.");
    return EXIT_SUCCESS;
  }
}

}  // namespace qv
