// Start-up order, its trace lines and its last-resort reports.
#include "app/startup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <stdexcept>

#include "platform/error_report.h"
#include "platform/paths.h"
#include "support/environment_variable.h"
#include "support/test_support.h"
#include "support/trace_log_capture.h"

namespace qv {
namespace {

class FakeWindow : public ModalWindow {
 public:
  FakeWindow(int endCode, std::string* startupSource) : endCode_(endCode), startupSource_(startupSource) {}
  int DoModal() override { return endCode_; }
  void SetStartupSource(const std::string& path) override {
    if (startupSource_ != nullptr) *startupSource_ = path;
  }

 private:
  int endCode_;
  std::string* startupSource_;
};

// Collects error reports instead of showing them.
class ReportCapture {
 public:
  ReportCapture() {
    setErrorDisplay([this](const std::string& text) { reports.push_back(text); });
  }
  ~ReportCapture() { setErrorDisplay(nullptr); }
  std::vector<std::string> reports;
};

const std::vector<std::string> kOpeningLines = {
    "Quaverton: Entering InitInstance.",
    "Quaverton: SetUnhandledExceptionFilter done.",
    "Quaverton: App shell init done.",
};

int run(std::vector<std::string> arguments, const WindowFactory& factory) {
  arguments.insert(arguments.begin(), "quaverton");
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return runApplication(static_cast<int>(arguments.size()), argv.data(), factory);
}

WindowFactory windowEnding(int endCode, int* made = nullptr, std::string* startupSource = nullptr) {
  return [endCode, made, startupSource](int&, char**) {
    if (made != nullptr) ++*made;
    return std::make_unique<FakeWindow>(endCode, startupSource);
  };
}

TEST(Startup, WindowRunWritesTheDialogLines) {
  test::TraceLogCapture trace;
  ReportCapture reports;
  EXPECT_EQ(run({}, windowEnding(2)), 0);
  std::vector<std::string> expected = kOpeningLines;
  expected.insert(expected.end(), {"Quaverton: Headless harness not requested.",
                                   "Quaverton: Constructed main dialog object.",
                                   "Quaverton: Set m_pMainWnd to dialog.",
                                   "Quaverton: dialog.DoModal returned 0x00000002."});
  EXPECT_EQ(trace.lines(), expected);
  EXPECT_TRUE(reports.reports.empty());
}

TEST(Startup, EndCodeIsEightUpperCaseHexDigits) {
  test::TraceLogCapture trace;
  run({}, windowEnding(0xABC));
  EXPECT_EQ(trace.lines().back(), "Quaverton: dialog.DoModal returned 0x00000ABC.");
}

TEST(Startup, DialogThatCannotBeCreatedIsReported) {
  test::TraceLogCapture trace;
  ReportCapture reports;
  EXPECT_EQ(run({}, windowEnding(-1)), 0);
  std::vector<std::string> lines = trace.lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "Quaverton: dialog.DoModal returned 0xFFFFFFFF.");
  EXPECT_EQ(lines.back().rfind("Quaverton: Main dialog creation failed. DoModal returned -1 (GetLastError=0x", 0), 0u);
  ASSERT_EQ(reports.reports.size(), 1u);
  EXPECT_EQ(reports.reports[0].rfind("Main dialog creation failed. DoModal returned -1 (GetLastError=0x", 0), 0u);
  EXPECT_EQ(reports.reports[0].back(), '.');
}

TEST(Startup, ExceptionDuringStartupIsCaughtAndReported) {
  test::TraceLogCapture trace;
  ReportCapture reports;
  WindowFactory failing = [](int&, char**) -> std::unique_ptr<ModalWindow> { throw std::runtime_error("no"); };
  EXPECT_EQ(run({}, failing), 0);
  EXPECT_EQ(trace.lines().back(), "Quaverton: unhandled exception in startup catch.");
  EXPECT_EQ(reports.reports, std::vector<std::string>{"Unhandled exception in application startup. The app will close."});
}

TEST(Startup, HarnessRunsFirstAndNoWindowIsMade) {
  test::TraceLogCapture trace;
  int made = 0;
  EXPECT_EQ(run({"--harness"}, windowEnding(2, &made)), 1);
  EXPECT_EQ(made, 0);
  std::vector<std::string> expected = kOpeningLines;
  expected.push_back("Quaverton: Headless harness active; exiting with code 1.");
  EXPECT_EQ(trace.lines(), expected);
}

// A file opened with the program: the window gets it made absolute, while
// --harness with the same file still compiles headless.
TEST(Startup, SourceWithoutHarnessIsHandedToTheWindow) {
  test::TraceLogCapture trace;
  test::TempFolder folder;
  std::string source = folder.write("song.asm", "  SKEME_START 1\n  END_SOUND\n");
  std::string handed = "none";
  EXPECT_EQ(run({source}, windowEnding(2, nullptr, &handed)), 0);
  EXPECT_EQ(handed, canonicalPath(source));

  handed = "none";
  EXPECT_EQ(run({}, windowEnding(2, nullptr, &handed)), 0);
  EXPECT_EQ(handed, "none");

  int made = 0;
  EXPECT_EQ(run({"--harness", source}, windowEnding(2, &made, &handed)), 0);
  EXPECT_EQ(made, 0);
  EXPECT_TRUE(test::exists(folder.file("song_Z.HEX")));
}

TEST(Startup, BuildWithoutTheWindowSaysSoAndFails) {
  test::TraceLogCapture trace;
  EXPECT_EQ(run({}, nullptr), kExitNoDisplay);
  EXPECT_EQ(trace.lines().back(), "Quaverton: this build has no window.");
}

TEST(Startup, LastChanceReportText) {
  EXPECT_EQ(applicationCallbackFailureText(0),
            "Unhandled exception (0x00000000) in application callback. The app will close.");
  EXPECT_EQ(applicationCallbackFailureText(0xC0000005u),
            "Unhandled exception (0xC0000005) in application callback. The app will close.");
}

TEST(StartupProcess, HarnessNeedsNoDisplay) {
  test::TraceLogCapture trace;
  test::EnvironmentVariable display("DISPLAY", std::nullopt);
  test::EnvironmentVariable platform("QT_QPA_PLATFORM", std::nullopt);
  test::EnvironmentVariable wayland("WAYLAND_DISPLAY", std::nullopt);

  test::TempFolder folder;
  test::ProcessResult result = test::runQuaverton({"--harness", folder.file("absent.asm")});
  EXPECT_EQ(result.exitCode, 2) << result.standardError;
  EXPECT_EQ(result.standardError, "quaverton: cannot read " + folder.file("absent.asm") + "\n")
      << "nothing but the harness's own line";
  std::vector<std::string> expected = kOpeningLines;
  expected.push_back("Quaverton: Headless harness active; exiting with code 2.");
  EXPECT_EQ(trace.lines(), expected);
}

}  // namespace
}  // namespace qv
