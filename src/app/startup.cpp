#include "app/startup.h"

#include <cstdlib>
#include <exception>

#include "harness/harness.h"
#include "platform/error_report.h"
#include "platform/trace_log.h"

namespace qv {

namespace {

[[noreturn]] void reportTerminate() {
  showErrorReport("Unhandled exception (0x00000000) in application callback. The app will close.");
  std::_Exit(EXIT_FAILURE);
}

int runStartupSteps(int argc, char** argv, const WindowRunner& runWindow) {
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
  if (!runWindow) return EXIT_SUCCESS;
  runWindow(argc, argv);
  return EXIT_SUCCESS;
}

}  // namespace

int runApplication(int argc, char** argv, const WindowRunner& runWindow) {
  try {
    return runStartupSteps(argc, argv, runWindow);
  } catch (...) {
    traceLog("Quaverton: unhandled exception in startup catch.");
    showErrorReport("Unhandled exception in application startup. The app will close.");
    return EXIT_SUCCESS;
  }
}

}  // namespace qv
