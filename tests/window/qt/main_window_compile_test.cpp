// Compiling, navigating, typing and closing in the real window, offscreen.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "support/trace_log_capture.h"
#include "window/demo_project.h"
#include "window/model/tabs/editor_text.h"
#include "window/model/find/search_text.h"
#include "window/qt/qsettings_store.h"
#include "window/qt/test_window.h"
#include "window/model/layout/window_colours.h"

namespace qv {
namespace {

using test::TestWindow;

class MainWindowCompileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.Model().OnInitDialog();
    source = test::CopyDemoProject(folder);
  }

  QTabBar* tabs() const { return window.Find<QTabBar>(ControlId::OutputTab); }
  QPlainTextEdit* editor() const { return window.Find<QPlainTextEdit>(ControlId::OutputText); }
  std::string status() const { return window.Find<QLabel>(ControlId::Status)->text().toStdString(); }
  std::string shownText() const { return editor()->toPlainText().toStdString(); }

  // Keys reach the window's own handling only in the active window.
  void FocusEditor() {
    window.activateWindow();
    QTRY_VERIFY(window.isActiveWindow());
    editor()->setFocus();
    QTRY_VERIFY(editor()->hasFocus());
  }

  void CompileWithF5() {
    window.Model().SelectSource(source, false);
    editor()->setFocus();
    QTest::keyClick(editor(), Qt::Key_F5);
  }

  // Double-clicks the editor on the character at a position.
  void DoubleClickAt(int position) {
    QTextCursor cursor = editor()->textCursor();
    cursor.setPosition(position);
    editor()->setTextCursor(cursor);
    editor()->ensureCursorVisible();
    QPoint point = editor()->cursorRect(cursor).center() + QPoint(2, 0);
    QTest::mouseDClick(editor()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
  }

  test::TraceLogCapture trace;
  test::TempFolder folder;
  QSettingsStore settings{QString::fromStdString(folder.file("settings.ini"))};
  TestWindow window{settings, folder.file("data")};
  std::string source;
};

TEST_F(MainWindowCompileTest, F5CompilesTheExampleIntoTheLogMapAndHexTabs) {
  CompileWithF5();
  EXPECT_TRUE(window.messages.empty());
  const CompileResult& result = window.Model().Last().result;
  EXPECT_EQ(tabs()->count(), 7);
  EXPECT_EQ(tabs()->tabText(6), "demo_waves.inc");
  EXPECT_EQ(status(), "Compile complete   INS");
  EXPECT_FALSE(window.Find<QWidget>(ControlId::Progress)->isVisible());

  EXPECT_EQ(tabs()->currentIndex(), kLogTab);
  std::string log = shownText();
  EXPECT_EQ(log.rfind("Compile invoked [", 0), 0u);
  EXPECT_NE(log.find("] 001 [info] Using bundled include QVX5_SND_CMD.INC"), std::string::npos);
  EXPECT_EQ(log, WithLineEnds(window.Model().Tabs().at(kLogTab).text, "\n"));

  tabs()->setCurrentIndex(kMapTab);
  EXPECT_FALSE(result.mapText.empty());
  EXPECT_EQ(shownText(), WithLineEnds(ExpandTabs(result.mapText), "\n"));
  tabs()->setCurrentIndex(kHexTab);
  EXPECT_EQ(shownText(), WithLineEnds(result.hexText, "\n"));
  EXPECT_NE(shownText().find(":00000001FF"), std::string::npos);
}

TEST_F(MainWindowCompileTest, DoubleClickingASymbolRowLandsOnItsLine) {
  CompileWithF5();
  tabs()->setCurrentIndex(kSymbolsTab);
  std::string symbols = shownText();
  std::size_t name = symbols.find("CHUFF_TOP ");
  ASSERT_NE(name, std::string::npos);
  DoubleClickAt(static_cast<int>(symbols.rfind('\n', name) + 2));

  EXPECT_EQ(tabs()->currentIndex(), kSourceTab);
  QTextCursor caret = editor()->textCursor();
  EXPECT_EQ(caret.blockNumber() + 1, test::kChuffTopLine);
  EXPECT_EQ(caret.positionInBlock(), 0);
  EXPECT_FALSE(caret.hasSelection());
  EXPECT_EQ(caret.block().text().toStdString(), "CHUFF_TOP:");
  EXPECT_EQ(status(), "Symbol: CHUFF_TOP (line 48)   INS");
}

TEST_F(MainWindowCompileTest, OverwriteTypingAndEnterInTheSourceTab) {
  window.Model().SelectSource(folder.write("song.asm", "ab\r\ncd\r\n"), true);
  FocusEditor();
  QTextCursor cursor = editor()->textCursor();
  cursor.setPosition(1);
  editor()->setTextCursor(cursor);
  QTest::keyClick(editor(), Qt::Key_Insert);
  EXPECT_EQ(status(), "Ready   OVR");
  QTest::keyClicks(editor(), "XYZ");
  EXPECT_EQ(shownText(), "aXYZ\ncd\n");
  QTest::keyClick(editor(), Qt::Key_Return);
  QTest::keyClick(editor(), Qt::Key_Q);
  EXPECT_EQ(shownText(), "aXYZ\nq\ncd\n");
  EXPECT_EQ(window.Model().Tabs().at(kSourceTab).text, "aXYZ\nq\ncd\n");
  EXPECT_EQ(status(), "Unsaved changes   OVR");
}

TEST_F(MainWindowCompileTest, UndoOutlivesATabSwitchAndACompile) {
  window.Model().SelectSource(source, true);
  FocusEditor();
  std::string original = shownText();
  editor()->moveCursor(QTextCursor::Start);
  QTest::keyClicks(editor(), "; x");
  std::string edited = shownText();
  ASSERT_EQ(edited, "; x" + original);

  auto key = [&](Qt::Key pressed, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(editor(), pressed, modifiers);
    return shownText();
  };
  tabs()->setCurrentIndex(kLogTab);
  tabs()->setCurrentIndex(kSourceTab);
  ASSERT_TRUE(editor()->hasFocus());
  // Back to the file's own text: no unsaved mark.
  EXPECT_EQ(key(Qt::Key_Z, Qt::ControlModifier), original);
  EXPECT_EQ(tabs()->tabText(kSourceTab), "demo.asm");
  EXPECT_EQ(key(Qt::Key_Y, Qt::ControlModifier), edited);
  EXPECT_EQ(tabs()->tabText(kSourceTab), "demo*.asm");

  // The compile saves the edit first, and reads the file back.
  QTest::keyClick(editor(), Qt::Key_F5);
  ASSERT_EQ(tabs()->currentIndex(), kSourceTab);
  EXPECT_EQ(shownText(), edited);
  EXPECT_EQ(tabs()->tabText(kSourceTab), "demo.asm");
  EXPECT_EQ(key(Qt::Key_Z, Qt::ControlModifier), original);
  EXPECT_EQ(tabs()->tabText(kSourceTab), "demo*.asm");
  EXPECT_EQ(key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier), edited);
  EXPECT_EQ(tabs()->tabText(kSourceTab), "demo.asm");
}

TEST_F(MainWindowCompileTest, FindNextSelectsInTheEditor) {
  window.Model().SelectSource(source, true);
  window.Find<QLineEdit>(ControlId::FindText)->setText("chuff_top:");
  window.Find<QPushButton>(ControlId::FindNext)->click();
  QTextCursor found = editor()->textCursor();
  EXPECT_EQ(found.selectedText().toStdString(), "CHUFF_TOP:");
  EXPECT_EQ(found.blockNumber() + 1, test::kChuffTopLine);
}

TEST_F(MainWindowCompileTest, AnErrorInTheLogLeadsToItsLineAndF5KeepsThePlace) {
  std::string text = test::readFile(source);
  std::size_t line37 = LineStart(text, 37);
  text.insert(line37, "        INCLUDE \"missing_file.inc\"\r\n");
  folder.write("demo.asm", text);
  window.resize(700, 400);
  CompileWithF5();
  ASSERT_EQ(status(), "Compile completed with errors   INS");
  const std::vector<std::string>& messages = window.Model().Last().result.messages;
  std::size_t error = static_cast<std::size_t>(
      std::find_if(messages.begin(), messages.end(), [](const std::string& m) { return m.rfind("ERROR:", 0) == 0; }) -
      messages.begin());
  ASSERT_LT(error, messages.size());
  EXPECT_EQ(window.Model().Last().result.messagePlaces.at(error).line, 37);

  DoubleClickAt(static_cast<int>(shownText().find("missing_file.inc but")));
  EXPECT_EQ(tabs()->currentIndex(), kSourceTab);
  EXPECT_EQ(status(), "demo.asm line 37   INS");
  QTextCursor caret = editor()->textCursor();
  EXPECT_EQ(caret.blockNumber() + 1, 37);
  EXPECT_EQ(caret.positionInBlock(), 0);
  EXPECT_TRUE(editor()->viewport()->rect().contains(editor()->cursorRect().center()));

  // The fix, and a compile that leaves the caret and the view where they were.
  FocusEditor();
  QTest::keyClick(editor(), Qt::Key_End, Qt::ShiftModifier);
  QTest::keyClicks(editor(), "; fixed");
  QTest::keyClick(editor(), Qt::Key_Left, Qt::ShiftModifier);
  int firstLine = editor()->verticalScrollBar()->value();
  int selectionStart = editor()->textCursor().selectionStart();
  QTest::keyClick(editor(), Qt::Key_F5);
  EXPECT_EQ(status(), "Compile complete   INS");
  EXPECT_EQ(tabs()->currentIndex(), kSourceTab);
  EXPECT_EQ(editor()->textCursor().selectionStart(), selectionStart);
  EXPECT_EQ(editor()->textCursor().selectedText(), "d");
  EXPECT_EQ(editor()->verticalScrollBar()->value(), firstLine);
  EXPECT_GT(firstLine, 0);
}

TEST_F(MainWindowCompileTest, TypingPastTheRightEdgeOrTheLastLineKeepsTheCaretInView) {
  window.Model().SelectSource(folder.write("song.asm", "ab\r\n"), true);
  window.resize(700, 400);
  FocusEditor();
  QTest::keyClicks(editor(), QString(200, QLatin1Char('x')));
  EXPECT_TRUE(editor()->viewport()->rect().contains(editor()->cursorRect().center()));
  QTRY_VERIFY(editor()->horizontalScrollBar()->isVisible());
  for (int i = 0; i < 40; ++i) QTest::keyClick(editor(), Qt::Key_Return);
  EXPECT_TRUE(editor()->viewport()->rect().contains(editor()->cursorRect().center()));
  EXPECT_EQ(editor()->textCursor().blockNumber(), 40);
}

TEST_F(MainWindowCompileTest, EnterInTheFindBoxFindsOnAndShiftEnterBack) {
  window.Model().SelectSource(source, true);
  auto* find = window.Find<QLineEdit>(ControlId::FindText);
  window.activateWindow();
  QTRY_VERIFY(window.isActiveWindow());
  find->setFocus();
  QTRY_VERIFY(find->hasFocus());
  QTest::keyClicks(find, "branch_to chuff");
  std::vector<int> found;
  for (Qt::KeyboardModifier modifier : {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier}) {
    QTest::keyClick(find, Qt::Key_Return, modifier);
    EXPECT_EQ(editor()->textCursor().selectedText(), "BRANCH_TO CHUFF");
    found.push_back(editor()->textCursor().selectionStart());
  }
  EXPECT_LT(found[0], found[1]);
  EXPECT_EQ(found[2], found[0]);
  EXPECT_TRUE(find->hasFocus());
  EXPECT_FALSE(window.Model().IsTabDirty(kSourceTab));
  EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowCompileTest, ClosingWithUnsavedEditsAsksFirst) {
  window.Model().SelectSource(source, true);
  editor()->setFocus();
  QTest::keyClicks(editor(), "; note");
  window.answers = {MessageBoxAnswer::Cancel, MessageBoxAnswer::No};
  bool openAfterCancel = false;
  QTimer::singleShot(0, &window, [&] {
    window.Find<QPushButton>(ControlId::Exit)->click();
    openAfterCancel = window.isVisible();
    window.close();
  });
  EXPECT_EQ(window.exec(), CMainDialogWindow::kCancelCode);
  EXPECT_TRUE(openAfterCancel);
  EXPECT_EQ(window.messages, std::vector<std::string>(2, "Save changes to the source and include files before closing?"));
  EXPECT_EQ(test::readFile(source), test::readFile(test::sourceDir() + "/examples/demo/demo.asm"));
}

TEST_F(MainWindowCompileTest, BrowseOffersTheSourceFiltersInTheStartFolder) {
  OpenFileRequest request{folder.path(), "asm", "SDF Source (*.asm)|*.asm|All Files (*.*)|*.*||"};
  QStringList filters;
  QString directory;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    directory = dialog->directory().absolutePath();
    dialog->reject();
  });
  EXPECT_EQ(window.CMainDialogWindow::AskOpenFile(request), "");
  EXPECT_EQ(filters, (QStringList{"SDF Source (*.asm)", "All Files (*.*)"}));
  EXPECT_EQ(directory.toStdString(), folder.path());
}

// Counts the paint events a widget gets.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

TEST_F(MainWindowCompileTest, WhileTheCompileRunsTheWindowIsDrawnAndRefusesInput) {
  std::atomic<bool> released{false};
  std::atomic<int> compiles{0};
  window.beforeWork = [&] {
    ++compiles;
    while (!released) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  };
  PaintCount paints(editor()->viewport());
  bool looked = false;
  QTimer::singleShot(0, [&] {
    // Let the compile go on however this ends.
    struct Release {
      std::atomic<bool>& flag;
      ~Release() { flag = true; }
    } release{released};
    EXPECT_EQ(status(), "Compiling:");
    EXPECT_TRUE(window.Find<QWidget>(ControlId::Progress)->isVisible());
    QTest::mouseClick(tabs(), Qt::LeftButton, Qt::NoModifier, tabs()->tabRect(kHexTab).center());
    QTest::keyClick(editor(), Qt::Key_F5);
    window.close();
    int before = paints.count;
    editor()->viewport()->update();
    QTRY_VERIFY(paints.count > before);
    EXPECT_EQ(tabs()->currentIndex(), kLogTab);
    EXPECT_TRUE(window.isVisible());
    looked = true;
  });
  CompileWithF5();
  EXPECT_TRUE(looked);
  EXPECT_EQ(status(), "Compile complete   INS");
  // Nothing refused comes back once the compile is over.
  QApplication::processEvents();
  EXPECT_EQ(tabs()->currentIndex(), kLogTab);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(compiles, 1);
}

// The colour the editor draws a character of a line in; black when plain.
QColor ColourAt(QPlainTextEdit* editor, int line, int column) {
  QTextBlock block = editor->document()->findBlockByNumber(line);
  for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
    if (column >= range.start && column < range.start + range.length) return range.format.foreground().color();
  }
  return QColor(Qt::black);
}

QColor Colour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

TEST_F(MainWindowCompileTest, SourceLinesTakeTheColoursOfTheirKind) {
  window.Model().SelectSource(folder.write("kinds.asm",
                                           "; a comment\n"
                                           "TOP:\n"
                                           "        TITLE \"kinds\"\n"
                                           "VALUE   EQU 0x1F\n"
                                           "        SKEME_START 0\n"
                                           "        IF VALUE == 1\n"
                                           "        END_SOUND\n"
                                           "        ENDIF\n"
                                           "        SKEME_END\n"),
                              true);
  window.Model().OnCompile();
  ASSERT_EQ(tabs()->currentIndex(), kSourceTab);
  editor()->viewport()->repaint();
  struct Case {
    int line;
    int column;
    Rgb colour;
  };
  for (const Case& c : {Case{0, 2, kSourceColours.comment}, Case{1, 0, kSourceColours.label},
                        Case{2, 8, kSourceColours.directive}, Case{2, 14, kSourceColours.string},
                        Case{3, 0, kSourceColours.label}, Case{3, 8, kSourceColours.directive},
                        Case{3, 12, kSourceColours.number}, Case{4, 8, kSourceColours.command},
                        Case{5, 8, kSourceColours.directive}, Case{6, 8, kSourceColours.switchedOff},
                        Case{7, 8, kSourceColours.directive}, Case{8, 8, kSourceColours.command}}) {
    EXPECT_EQ(ColourAt(editor(), c.line, c.column), Colour(c.colour)) << c.line << ":" << c.column;
  }
  EXPECT_EQ(ColourAt(editor(), 5, 11), QColor(Qt::black));
}

TEST_F(MainWindowCompileTest, AVeryLongLineIsColouredWhereverItIsScrolledTo) {
  std::string line = "        DB 0x01";
  while (line.size() < 60000) line += ", 0x22";
  window.Model().SelectSource(folder.write("long.asm", line + "\n"), true);
  QApplication::processEvents();
  QScrollBar* across = editor()->horizontalScrollBar();
  for (int scrolled : {0, across->maximum() / 2, across->maximum()}) {
    across->setValue(scrolled);
    editor()->viewport()->repaint();
    // The number whose "0x" begins nearest the middle of the view.
    QTextLine shown = editor()->document()->firstBlock().layout()->lineAt(0);
    int middle = shown.xToCursor(scrolled + editor()->viewport()->width() / 2);
    int number = static_cast<int>(line.find("0x", static_cast<std::size_t>(std::max(middle - 6, 0))));
    EXPECT_EQ(ColourAt(editor(), 0, number + 1), Colour(kSourceColours.number)) << scrolled;
    EXPECT_EQ(ColourAt(editor(), 0, number - 1), QColor(Qt::black)) << scrolled;
  }
}

TEST_F(MainWindowCompileTest, PaintingDuringACompileRunsNoOtherEvents) {
  bool timerRan = false;
  QTimer::singleShot(0, [&] { timerRan = true; });
  window.PumpPaintMessages();
  EXPECT_FALSE(timerRan);
  QTRY_VERIFY(timerRan);
}

}  // namespace
}  // namespace qv
