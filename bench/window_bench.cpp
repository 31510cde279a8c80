// Times the workbench window on big projects, on the offscreen platform:
//   window_bench BIG.asm MEDIUM.asm
// 1. a compile of BIG.asm from F5 in the window, against the headless
//    compile of the same source in this process (best of three each);
// 2. the switch to the LST tab of that compile, until it is drawn (then to
//    the Source tab, for comparison);
// 3. one typed character in the Source tab of MEDIUM.asm, until it is
//    drawn (the slowest of 40 keystrokes spread over the text).
#include <QApplication>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "harness/harness.h"
#include "window/qt/main_dialog_window.h"
#include "window/qt/qsettings_store.h"
#include "window/model/tabs/tab_set.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsOf(const std::function<void()>& action) {
  Clock::time_point start = Clock::now();
  action();
  return std::chrono::duration<double>(Clock::now() - start).count();
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

 private:
  QTemporaryDir m_scratch;
  qv::QSettingsStore m_settings;
  qv::CMainDialogWindow m_window;
};

void compileFigures(const std::string& big) {
  QTemporaryDir outputs;
  std::vector<std::string> harness{"quaverton", "--harness", big, "--out-dir", outputs.path().toStdString()};
  BenchWindow window;
  (*window).Model().SelectSource(big, false);
  // Taken in turns, so that other work on the machine weighs on both alike.
  double headless = 1e9;
  double compile = 1e9;
  for (int run = 0; run < 3; ++run) {
    headless = std::min(headless, secondsOf([&] { qv::runHarness(harness); }));
    compile = std::min(compile, secondsOf([&] {
                         window.editor()->setFocus();
                         QTest::keyClick(window.editor(), Qt::Key_F5);
                       }));
  }
  if (!(*window).Model().Last().compiled) std::fprintf(stderr, "window_bench: %s did not compile\n", big.c_str());

  double lst = secondsOf([&] {
    window.tabs()->setCurrentIndex(qv::kLstTab);
    window.editor()->viewport()->repaint();
  });
  std::printf("compile of %s: window %.3f s, headless %.3f s, ratio %.2f (target 1.30)\n", big.c_str(), compile,
              headless, compile / headless);
  std::printf("switch to its LST tab (%zu bytes): %.3f s (target 1.000)\n", (*window).Model().Tabs().at(qv::kLstTab).text.size(), lst);
  double source = secondsOf([&] {
    window.tabs()->setCurrentIndex(qv::kSourceTab);
    window.editor()->viewport()->repaint();
  });
  std::printf("switch to its Source tab, coloured (%zu bytes): %.3f s\n", (*window).Model().Tabs().at(qv::kSourceTab).text.size(), source);
}

void keystrokeFigure(const std::string& medium) {
  BenchWindow window;
  (*window).Model().SelectSource(medium, true);
  (*window).activateWindow();
  window.editor()->setFocus();
  QApplication::processEvents();
  QPlainTextEdit* editor = window.editor();
  const std::string& text = (*window).Model().Tabs().at(qv::kSourceTab).text;
  long lines = std::count(text.begin(), text.end(), '\n');
  int length = editor->document()->characterCount() - 1;
  std::size_t before = text.size();
  std::vector<double> strokes;
  for (int stroke = 0; stroke < 40; ++stroke) {
    QTextCursor caret(editor->document());
    caret.setPosition(static_cast<int>(static_cast<long long>(length) * stroke / 40));
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
  std::printf("typed character in a %ld-line source: median %.1f ms, slowest %.1f ms (target 16.0)\n", lines,
              strokes[strokes.size() / 2] * 1000, strokes.back() * 1000);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s BIG.asm MEDIUM.asm\n", argv[0]);
    return 1;
  }
  QApplication application(argc, argv);
  compileFigures(argv[1]);
  keystrokeFigure(argv[2]);
  return 0;
}
