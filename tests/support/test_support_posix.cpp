// Temporary folders, variables and child processes through the POSIX calls.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "support/test_support.h"

namespace qv::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "quaverton-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

std::optional<std::string> environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void setEnvironmentValue(const char* name, const std::optional<std::string>& value) {
  if (value) {
    ::setenv(name, value->c_str(), 1);
  } else {
    ::unsetenv(name);
  }
}

ProcessResult runQuaverton(const std::vector<std::string>& arguments, const std::string& workingFolder) {
  int errorPipe[2];
  if (::pipe(errorPipe) != 0) throw std::runtime_error("pipe failed");
  pid_t child = ::fork();
  if (child == 0) {
    ::dup2(errorPipe[1], STDERR_FILENO);
    ::close(errorPipe[0]);
    ::close(errorPipe[1]);
    if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0) ::_exit(127);
    std::vector<char*> argv;
    std::string program = QUAVERTON_EXE;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(errorPipe[1]);
  ProcessResult result;
  char buffer[4096];
  ssize_t count;
  while ((count = ::read(errorPipe[0], buffer, sizeof buffer)) > 0) {
    result.standardError.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(errorPipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace qv::test
