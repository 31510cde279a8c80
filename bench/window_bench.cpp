// Times the workbench window on big projects, on the offscreen platform:
//   window_bench BIG.asm MEDIUM.asm [memory|compile|includes|typing|long-line]...
// 1. the window's memory with BIG.asm loaded, after one compile of it and
//    after eight (resident set of this process);
// 2. a compile of BIG.asm from F5 in the window, against the headless
//    compile of the same source in this process (best of three each);
// 3. the switch to the LST tab of that compile, until it is drawn (then to
//    the Source tab, for comparison);
// 4. F5 on a generated project of 2,000 include files, against the headless
//    compile of it;
// 5. one typed character in the Source tab of MEDIUM.asm, and in the middle
//    of a 100 KB line, until it is drawn.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "harness/harness.h"
#include "window/qt/main_dialog_window.h"
#include "window/qt/qsettings_store.h"
#include "window/model/tabs/tab_set.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kIncludeCount = 2000;
constexpr std::size_t kLongLineBytes = 100 * 1024;

double secondsOf(const std::function<void()>& action) {
  Clock::time_point start = Clock::now();
  action();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The resident set of this process, 0 where /proc does not tell it.
double residentMiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  if (!(statm >> pages >> resident)) return 0;
  return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

template <class Widget>
Widget* control(qv::CMainDialogWindow& window, qv::ControlId id) {
  return static_cast<Widget*>(const_cast<void*>(window.ControlHandle(id)));
}

// A window on settings of its own, so the user's never change.
class BenchWindow {
 public:
  BenchWindow()
      : m_settings(m_scratch.filePath(QStringLiteral("settings.ini"))),
        m_window(m_settings, m_scratch.filePath(QStringLiteral("data")).toStdString()) {
    m_window.Model().OnInitDialog();
    m_window.resize(1180, 760);
    QApplication::processEvents();
  }

  qv::CMainDialogWindow& operator*() { return m_window; }
  QTabBar* tabs() { return control<QTabBar>(m_window, qv::ControlId::OutputTab); }
  QPlainTextEdit* editor() { return control<QPlainTextEdit>(m_window, qv::ControlId::OutputText); }

  double pressF5() {
    return secondsOf([&] {
      editor()->setFocus();
      QTest::keyClick(editor(), Qt::Key_F5);
    });
  }

 private:
  QTemporaryDir m_scratch;
  qv::QSettingsStore m_settings;
  qv::CMainDialogWindow m_window;
};

double bestHeadless(const std::string& source, int runs) {
  QTemporaryDir outputs;
  std::vector<std::string> harness{"quaverton", "--harness", source, "--out-dir", outputs.path().toStdString()};
  double best = 1e9;
  for (int run = 0; run < runs; ++run) best = std::min(best, secondsOf([&] { qv::runHarness(harness); }));
  return best;
}

// First in the process, so that no headless compile has touched its heap.
void memoryFigures(const std::string& big) {
  BenchWindow window;
  (*window).Model().SelectSource(big, true);
  QApplication::processEvents();
  double loaded = residentMiB();
  window.pressF5();
  double afterOne = residentMiB();
  for (int run = 1; run < 8; ++run) window.pressF5();
  double afterEight = residentMiB();
  std::printf("memory with %s loaded: %.0f MiB; after 1 compile %.0f MiB (%.2f x), after 8 %.0f MiB (%.2f x) "
              "(target 3.00 x, flat)\n",
              big.c_str(), loaded, afterOne, afterOne / loaded, afterEight, afterEight / loaded);
}

void compileFigures(const std::string& big) {
  BenchWindow window;
  (*window).Model().SelectSource(big, false);
  // Taken in turns, so that other work on the machine weighs on both alike.
  double headless = 1e9;
  double compile = 1e9;
  for (int run = 0; run < 3; ++run) {
    headless = std::min(headless, bestHeadless(big, 1));
    compile = std::min(compile, window.pressF5());
  }
  if (!(*window).Model().Last().compiled) std::fprintf(stderr, "window_bench: %s did not compile\n", big.c_str());

  double lst = secondsOf([&] {
    window.tabs()->setCurrentIndex(qv::kLstTab);
    window.editor()->viewport()->repaint();
  });
  std::printf("compile of %s: window %.3f s, headless %.3f s, ratio %.2f (target 1.20)\n", big.c_str(), compile,
              headless, compile / headless);
  std::printf("switch to its LST tab (%zu bytes): %.3f s (target 0.500)\n",
              (*window).Model().Tabs().at(qv::kLstTab).text.size(), lst);
  double source = secondsOf([&] {
    window.tabs()->setCurrentIndex(qv::kSourceTab);
    window.editor()->viewport()->repaint();
  });
  std::printf("switch to its Source tab, coloured (%zu bytes): %.3f s\n",
              (*window).Model().Tabs().at(qv::kSourceTab).text.size(), source);
}

void writeFile(const QString& path, const std::string& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0) {
    std::fprintf(stderr, "window_bench: cannot write %s\n", qPrintable(path));
  }
}

// A main source that includes kIncludeCount files of a few constants each.
std::string writeIncludeProject(const QTemporaryDir& folder) {
  std::string main = "; a project of many include files\n";
  for (int include = 0; include < kIncludeCount; ++include) {
    std::string name = "part" + std::to_string(include) + ".inc";
    main += "        INCLUDE \"" + name + "\"\n";
    std::string tag = std::to_string(include);
    writeFile(folder.filePath(QString::fromStdString(name)),
              "PART" + tag + "_A EQU " + tag + "\nPART" + tag + "_B EQU PART" + tag + "_A + 1\n");
  }
  main += "        SKEME_START 0\n        CHANNEL_START 0\nSTART:  DELAY_SOUND 0, 0x20, 0\n"
          "        BRANCH_TO START\n        END_SOUND\n";
  QString path = folder.filePath(QStringLiteral("includes.asm"));
  writeFile(path, main);
  return path.toStdString();
}

void includeFigures() {
  QTemporaryDir folder;
  std::string project = writeIncludeProject(folder);
  BenchWindow window;
  (*window).Model().SelectSource(project, false);
  // The first compile makes the include tabs; the next ones make them again.
  double first = window.pressF5();
  double headless = 1e9;
  double again = 1e9;
  for (int run = 0; run < 3; ++run) {
    headless = std::min(headless, bestHeadless(project, 1));
    again = std::min(again, window.pressF5());
  }
  if ((*window).Model().TabCount() != qv::kFixedTabCount + kIncludeCount) {
    std::fprintf(stderr, "window_bench: the include project shows %d tabs\n", (*window).Model().TabCount());
  }
  std::printf("compile of %d includes: headless %.3f s; window, first %.3f s (%+.3f s), again %.3f s (%+.3f s) "
              "(target +0.500)\n",
              kIncludeCount, headless, first, first - headless, again, again - headless);
}

// The slowest and the median of keystrokes at the given places.
void typeAt(BenchWindow& window, const std::vector<int>& places, const char* what) {
  QPlainTextEdit* editor = window.editor();
  const std::string& text = (*window).Model().Tabs().at(qv::kSourceTab).text;
  std::size_t before = text.size();
  std::vector<double> strokes;
  for (int place : places) {
    QTextCursor caret(editor->document());
    caret.setPosition(place);
    editor->setTextCursor(caret);
    editor->ensureCursorVisible();
    editor->viewport()->repaint();
    strokes.push_back(secondsOf([&] {
      QTest::keyClick(editor, Qt::Key_X);
      editor->viewport()->repaint();
    }));
  }
  if (text.size() != before + strokes.size()) std::fprintf(stderr, "window_bench: the keys did not reach the source\n");
  std::sort(strokes.begin(), strokes.end());
  std::printf("typed character %s: median %.1f ms, slowest %.1f ms (target 16.0)\n", what,
              strokes[strokes.size() / 2] * 1000, strokes.back() * 1000);
}

void openForTyping(BenchWindow& window, const std::string& source) {
  (*window).Model().SelectSource(source, true);
  (*window).activateWindow();
  window.editor()->setFocus();
  QApplication::processEvents();
}

void keystrokeFigure(const std::string& medium) {
  BenchWindow window;
  openForTyping(window, medium);
  const std::string& text = (*window).Model().Tabs().at(qv::kSourceTab).text;
  long lines = std::count(text.begin(), text.end(), '\n');
  int length = window.editor()->document()->characterCount() - 1;
  std::vector<int> places;
  for (int stroke = 0; stroke < 40; ++stroke) places.push_back(static_cast<int>(static_cast<long long>(length) * stroke / 40));
  typeAt(window, places, ("in a " + std::to_string(lines) + "-line source").c_str());
}

void longLineFigure() {
  QTemporaryDir folder;
  std::string line = "        DB 0x01";
  while (line.size() < kLongLineBytes) line += ", 0x" + std::to_string(10 + line.size() % 90);
  std::string before = "; one very long line\n        SKEME_START 0\n        CHANNEL_START 0\n";
  QString path = folder.filePath(QStringLiteral("long.asm"));
  writeFile(path, before + line + "\n        END_SOUND\n");
  BenchWindow window;
  openForTyping(window, path.toStdString());
  int middle = static_cast<int>(before.size() + line.size() / 2);
  std::vector<int> places;
  for (int stroke = 0; stroke < 20; ++stroke) places.push_back(middle + stroke * 7);
  typeAt(window, places, ("on a " + std::to_string(line.size() / 1024) + " KB line").c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s BIG.asm MEDIUM.asm\n", argv[0]);
    return 1;
  }
  QApplication application(argc, argv);
  std::string big = argv[1];
  std::string medium = argv[2];
  // All of them, or those named after the sources.
  const std::vector<std::pair<std::string, std::function<void()>>> figures{
      {"memory", [&] { memoryFigures(big); }},     {"compile", [&] { compileFigures(big); }},
      {"includes", [] { includeFigures(); }},      {"typing", [&] { keystrokeFigure(medium); }},
      {"long-line", [] { longLineFigure(); }}};
  std::vector<std::string> chosen(argv + 3, argv + argc);
  for (const auto& [name, figure] : figures) {
    if (chosen.empty() || std::find(chosen.begin(), chosen.end(), name) != chosen.end()) figure();
  }
  return 0;
}
