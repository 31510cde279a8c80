#include "app/startup.h"

#ifdef QUAVERTON_WITH_WINDOW
#include "window/qt/main_window_runner.h"
#endif

int main(int argc, char** argv) {
#ifdef QUAVERTON_WITH_WINDOW
  return qv::runApplication(argc, argv, qv::makeQtMainWindow);
#else
  return qv::runApplication(argc, argv, nullptr);
#endif
}
