// The real window killed with SIGKILL after an edit, and started again: the
// edit comes back, and Ctrl+S writes it.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/files.h"
#include "support/test_support.h"
#include "support/trace_log_capture.h"
#include "window/demo_project.h"
#include "window/qt/qsettings_store.h"
#include "window/qt/test_window.h"

extern char** environ;

namespace qv {
namespace {

using test::TestWindow;

constexpr char kFolderVariable[] = "QUAVERTON_KILLED_WINDOW_FOLDER";
constexpr char kCommentEdited[] = "; the project's wave handles";

bool hasCopy(const std::string& dataFolder) {
  std::optional<std::vector<std::string>> copies = listFiles(dataFolder + "/recovery", "*.copy");
  return copies && !copies->empty();
}

// Runs DISABLED_EditsAndWaitsToBeKilled in a process of its own on folder.
pid_t startEditingWindow(const std::string& folder) {
  std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string filter = "--gtest_filter=MainWindowRecoveryTest.DISABLED_EditsAndWaitsToBeKilled";
  std::string disabled = "--gtest_also_run_disabled_tests";
  std::string variable = std::string(kFolderVariable) + "=" + folder;
  std::vector<char*> environment;
  for (char** each = environ; *each != nullptr; ++each) environment.push_back(*each);
  environment.push_back(variable.data());
  environment.push_back(nullptr);
  char* arguments[] = {self.data(), filter.data(), disabled.data(), nullptr};
  std::string log = folder + "/child.log";
  pid_t child = ::fork();
  if (child == 0) {
    // Its report would read as this test's own.
    int output = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(output, STDOUT_FILENO);
    ::dup2(output, STDERR_FILENO);
    ::execve(self.c_str(), arguments, environment.data());
    ::_exit(127);
  }
  return child;
}

class MainWindowRecoveryTest : public ::testing::Test {
 protected:
  test::TraceLogCapture trace;
};

// The first life of the window, in the child process.
TEST_F(MainWindowRecoveryTest, DISABLED_EditsAndWaitsToBeKilled) {
  std::optional<std::string> folder = test::environmentValue(kFolderVariable);
  ASSERT_TRUE(folder);
  QSettingsStore settings{QString::fromStdString(*folder + "/settings.ini")};
  TestWindow window{settings, *folder + "/data"};
  window.Model().OnInitDialog();
  window.Model().SelectSource(*folder + "/demo.asm", true);
  auto* editor = window.Find<QPlainTextEdit>(ControlId::OutputText);
  editor->setFocus();
  QTextCursor cursor = editor->textCursor();
  cursor.setPosition(editor->toPlainText().indexOf(kCommentEdited) + static_cast<int>(sizeof kCommentEdited) - 1);
  editor->setTextCursor(cursor);
  QTest::keyClicks(editor, "!");
  QTRY_VERIFY_WITH_TIMEOUT(hasCopy(*folder + "/data"), 10000);
  test::TempFolder marker;
  std::filesystem::rename(marker.write("kept", ""), *folder + "/kept");
  while (true) QTest::qWait(1000);
}

TEST_F(MainWindowRecoveryTest, AWindowKilledAfterAnEditGetsItBackAtTheNextStart) {
  test::TempFolder folder;
  std::string source = test::CopyDemoProject(folder);
  std::string original = test::readFile(source);
  pid_t child = startEditingWindow(folder.path());
  ASSERT_GT(child, 0);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!test::exists(folder.file("kept")) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  bool kept = test::exists(folder.file("kept"));
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(kept) << "the first window kept no copy:\n" << test::readFile(folder.file("child.log"));
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(test::readFile(source), original);

  QSettingsStore settings{QString::fromStdString(folder.file("settings.ini"))};
  TestWindow window{settings, folder.file("data")};
  window.answers = {MessageBoxAnswer::Yes};
  window.Model().OnInitDialog();
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0], "Quaverton ended without saving edits to 1 file(s) (demo.asm). Restore them?");
  auto* editor = window.Find<QPlainTextEdit>(ControlId::OutputText);
  EXPECT_NE(editor->toPlainText().indexOf(QString(kCommentEdited) + "!"), -1);
  EXPECT_EQ(window.Find<QTabBar>(ControlId::OutputTab)->tabText(kSourceTab), "demo*.asm");
  EXPECT_EQ(test::readFile(source), original);

  window.activateWindow();
  editor->setFocus();
  QTRY_VERIFY(editor->hasFocus());
  QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
  std::string edited = original;
  edited.insert(edited.find(kCommentEdited) + sizeof kCommentEdited - 1, "!");
  EXPECT_EQ(test::readFile(source), edited);
}

}  // namespace
}  // namespace qv
#endif
