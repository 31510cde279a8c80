// Real keys in the real window, offscreen, and the bytes they leave on disk.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "support/trace_log_capture.h"
#include "window/demo_project.h"
#include "window/qt/qsettings_store.h"
#include "window/qt/test_window.h"

namespace qv {
namespace {

using test::TestWindow;

constexpr char kWavesComment[] = "; the project's wave handles";

class MainWindowSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.Model().OnInitDialog();
    source = test::CopyDemoProject(folder);
    original = test::readFile(source);
    window.Model().SelectSource(source, true);
    window.activateWindow();
    QTRY_VERIFY(window.isActiveWindow());
    editor()->setFocus();
    QTRY_VERIFY(editor()->hasFocus());
  }

  QTabBar* tabs() const { return window.Find<QTabBar>(ControlId::OutputTab); }
  QPlainTextEdit* editor() const { return window.Find<QPlainTextEdit>(ControlId::OutputText); }
  std::string status() const { return window.Find<QLabel>(ControlId::Status)->text().toStdString(); }

  // Puts the caret at the end of the first occurrence of text, or selects it.
  void PlaceAfter(const std::string& text, bool select = false) {
    int at = static_cast<int>(original.find(text));
    ASSERT_GE(at, 0) << text;
    QTextCursor cursor = editor()->textCursor();
    cursor.setPosition(select ? at : at + static_cast<int>(text.size()));
    if (select) cursor.setPosition(at + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
    editor()->setTextCursor(cursor);
  }

  // The demo with one piece of its text replaced.
  std::string OriginalWith(const std::string& from, const std::string& to) const {
    std::string text = original;
    text.replace(text.find(from), from.size(), to);
    return text;
  }

  test::TraceLogCapture trace;
  test::TempFolder folder;
  QSettingsStore settings{QString::fromStdString(folder.file("settings.ini"))};
  TestWindow window{settings, folder.file("data")};
  std::string source;
  std::string original;
};

TEST_F(MainWindowSaveTest, DeleteAndBackspaceEditAndF5SavesJustThat) {
  PlaceAfter("wave handle");
  QTest::keyClick(editor(), Qt::Key_Delete);
  QTest::keyClick(editor(), Qt::Key_Backspace);
  PlaceAfter("the project's", true);
  QTest::keyClick(editor(), Qt::Key_Delete, Qt::ShiftModifier);
  QTest::keyClick(editor(), Qt::Key_F5);

  EXPECT_EQ(test::readFile(source), OriginalWith(kWavesComment, ";  wave handl"));
  EXPECT_EQ(status(), "Compile complete   INS");
  EXPECT_EQ(test::readFile(folder.file("backups/demo_bak1.asm")), original);
}

TEST_F(MainWindowSaveTest, PastedAndTypedPunctuationIsSavedAsItsLookAlikes) {
  PlaceAfter("\"demo_waves.inc\"", true);
  QGuiApplication::clipboard()->setText(QString::fromUtf8("\xE2\x80\x9C" "demo_waves.inc" "\xE2\x80\x9D"));
  QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(editor()->textCursor().block().text().toStdString(),
            "        INCLUDE \"demo_waves.inc\"        ; the project's wave handles");
  PlaceAfter(kWavesComment);
  // Typed as a compose key or an input method delivers it.
  QInputMethodEvent typed;
  typed.setCommitString(QString::fromUtf8(" \xE2\x80\x93 \xE2\x80\x98ok\xE2\x80\x99\xE2\x80\xA6 \xC3\xA9"));
  QCoreApplication::sendEvent(editor(), &typed);
  window.Find<QPushButton>(ControlId::SaveFiles)->click();

  EXPECT_EQ(test::readFile(source), OriginalWith(kWavesComment, std::string(kWavesComment) + " - 'ok'... ?"));
  EXPECT_EQ(status(), "Saved   INS");
  QTest::keyClick(editor(), Qt::Key_F5);
  EXPECT_EQ(status(), "Compile complete   INS");
}

TEST_F(MainWindowSaveTest, SavedMeansCleanUntilTheNextEdit) {
  PlaceAfter(kWavesComment);
  QTest::keyClicks(editor(), "!");
  EXPECT_EQ(tabs()->tabText(kSourceTab), "demo*.asm");
  window.Find<QPushButton>(ControlId::SaveFiles)->click();
  EXPECT_EQ(tabs()->tabText(kSourceTab), "demo.asm");
  tabs()->setCurrentIndex(kLogTab);
  tabs()->setCurrentIndex(kSourceTab);
  EXPECT_EQ(tabs()->tabText(kSourceTab), "demo.asm");
  EXPECT_FALSE(window.Model().IsTabDirty(kSourceTab));

  QTimer::singleShot(0, &window, [&] { window.Find<QPushButton>(ControlId::Exit)->click(); });
  EXPECT_EQ(window.exec(), CMainDialogWindow::kCancelCode);
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(test::readFile(source), OriginalWith(kWavesComment, std::string(kWavesComment) + "!"));
}

}  // namespace
}  // namespace qv
