#pragma once
// Where the window catches exceptions: at the handler that an event of the
// screen runs, so that nothing escapes into a view's event loop and the
// window stays usable.

#include "platform/error_report.h"

namespace qv {

// Runs the handler's work; an exception is reported under the handler's
// name (after the clean-up, when one is given) and fallback is returned.
template <class Result, class Work, class CleanUp>
Result RunHandler(const char* handler, Result fallback, Work&& work, CleanUp&& cleanUp) {
  try {
    return work();
  } catch (...) {
    cleanUp();
    reportUnhandledException(handler, 0);
    return fallback;
  }
}

template <class Result, class Work>
Result RunHandler(const char* handler, Result fallback, Work&& work) {
  return RunHandler(handler, fallback, work, [] {});
}

template <class Work>
void RunHandler(const char* handler, Work&& work) {
  RunHandler(handler, true, [&] {
    work();
    return true;
  });
}

}  // namespace qv
