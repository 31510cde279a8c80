#include <string>
#include <vector>

#include "app/startup.h"
#include "platform/command_line.h"

#ifdef QUAVERTON_WITH_WINDOW
#include "window/qt/main_window_runner.h"
#elif defined(QUAVERTON_WIN32_WINDOW)
#include "window/win32/main_window_runner_win32.h"
#endif

int main(int argc, char** argv) {
  // UTF-8 whatever form the system hands over.
  std::vector<std::string> arguments = qv::commandLineArguments(argc, argv);
  std::vector<char*> pointers;
  for (std::string& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  int count = static_cast<int>(arguments.size());
#ifdef QUAVERTON_WITH_WINDOW
  return qv::runApplication(count, pointers.data(), [](int& argc, char** argv) {
    return qv::makeQtMainWindow(argc, argv, qv::NoDisplayEnding{qv::kNoDisplayText, qv::kExitNoDisplay});
  });
#elif defined(QUAVERTON_WIN32_WINDOW)
  return qv::runApplication(count, pointers.data(), [](int&, char**) { return qv::makeWin32MainWindow(); });
#else
  return qv::runApplication(count, pointers.data(), nullptr);
#endif
}
