#include "support/test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace qv::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "quaverton-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code error;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(path_, error);
}

std::string TempFolder::file(const std::string& name) const { return path_ + "/" + name; }

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::string full = file(name);
  fs::create_directories(fs::path(full).parent_path());
  std::ofstream stream(full, std::ios::binary | std::ios::trunc);
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return full;
}

std::string readFile(const std::string& path) {
  std::ifstream stream(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

bool exists(const std::string& path) { return fs::exists(path); }

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

std::string sourceDir() { return QUAVERTON_SOURCE_DIR; }

}  // namespace qv::test
