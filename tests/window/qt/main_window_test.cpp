// The real window on the offscreen platform.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "support/environment_variable.h"
#include "support/test_support.h"
#include "support/trace_log_capture.h"
#include "window/qt/editor/editor_font.h"
#include "window/qt/main_window_runner.h"
#include "window/qt/qsettings_store.h"
#include "window/qt/qt_text.h"
#include "window/model/layout/dialog_template.h"
#include "window/model/tabs/editor_text.h"
#include "window/qt/test_window.h"

namespace qv {
namespace {

using test::TestWindow;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { window.Model().OnInitDialog(); }

  QTabBar* tabs() const { return window.Find<QTabBar>(ControlId::OutputTab); }
  QPlainTextEdit* editor() const { return window.Find<QPlainTextEdit>(ControlId::OutputText); }
  QString status() const { return window.Find<QLabel>(ControlId::Status)->text(); }

  test::TraceLogCapture trace;
  test::TempFolder folder;
  QSettingsStore settings{QString::fromStdString(folder.file("settings.ini"))};
  TestWindow window{settings, folder.file("data")};
};

TEST_F(MainWindowTest, OpensWithTitleSixTabsAndStatus) {
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "Quaverton - version 1.2a 30 September 2026");
  ASSERT_EQ(tabs()->count(), 6);
  QStringList labels;
  for (int i = 0; i < tabs()->count(); ++i) labels << tabs()->tabText(i);
  EXPECT_EQ(labels, (QStringList{"Log", "<no source selected>", "Map", "Symbols", "LST", "Hex"}));
  EXPECT_EQ(tabs()->currentIndex(), 0);
  EXPECT_EQ(status(), "No source selected   INS");
  EXPECT_EQ(editor()->toPlainText(), "No source selected. Use Browse or the recent list to choose a source.");
  EXPECT_EQ(window.Find<QLineEdit>(ControlId::Suffix)->text(), "_Y");
  EXPECT_EQ(window.Find<QPushButton>(ControlId::Exit)->text(), "Exit App");
}

TEST_F(MainWindowTest, AFirstStartIsAsWideAsTheTemplateWhereTheScreenAllows) {
  PixelRect workArea = window.WorkArea();
  int expected = std::min(window.TemplateWindowWidth(), workArea.width);
  EXPECT_GT(expected, 660);
  EXPECT_EQ(window.frameGeometry().width(), expected);
  EXPECT_EQ(window.frameGeometry().x(), workArea.x + (workArea.width - expected) / 2);
}

TEST_F(MainWindowTest, ToolTipsOnTheirControls) {
  struct Case {
    ControlId control;
    const char* tip;
  };
  for (const Case& c : {Case{ControlId::NoWrite, "No Write: skip writing output files."},
                        Case{ControlId::ShowInactive, "Show Inactive: include #if 0 style disabled lines."},
                        Case{ControlId::Compile, "Compile (F5): generates .MAP, .SYM, .LST, .HEX"},
                        Case{ControlId::FindText, "Find text in the current tab output."},
                        Case{ControlId::FindNext, "Find next match."}, Case{ControlId::FindPrev, "Find previous match."},
                        Case{ControlId::MatchCase, "Match case while searching."},
                        Case{ControlId::WholeWord, "Match whole words only."}}) {
    EXPECT_EQ(window.Find<QWidget>(c.control)->toolTip(), c.tip);
  }
}

// Fixed pitch as the eye sees it: the face's own flag is unset in some
// monospaced faces, and which faces a machine has is not the test's to know.
bool linesUpColumns(const QFont& font) {
  return HasFixedAdvance(font) || font.family() == QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

TEST_F(MainWindowTest, EditorFontIsBoldAndFixedPitch) {
  QFont font = editor()->font();
  EXPECT_TRUE(linesUpColumns(font)) << QFontInfo(font).family().toStdString();
  EXPECT_TRUE(QFontInfo(font).bold());
  for (const char* face : {"Courier New", "Sans Serif", "No Such Face"}) {
    EXPECT_TRUE(linesUpColumns(FixedPitchFont(face, 9, false))) << face;
  }
}

TEST_F(MainWindowTest, SwitchingTabsSwapsTheTextAndKeepsEachSelection) {
  std::string path = folder.write("song.asm", "first line\nsecond line\n");
  window.Model().SelectSource(path, true);
  EXPECT_EQ(tabs()->tabText(1), "song.asm");
  EXPECT_EQ(tabs()->currentIndex(), 1);
  EXPECT_EQ(editor()->toPlainText(), "first line\nsecond line\n");

  QTextCursor cursor = editor()->textCursor();
  cursor.setPosition(6);
  cursor.setPosition(10, QTextCursor::KeepAnchor);
  editor()->setTextCursor(cursor);

  tabs()->setCurrentIndex(0);
  EXPECT_EQ(editor()->toPlainText(), "No compile yet. Press Compile (F5).");
  tabs()->setCurrentIndex(2);
  EXPECT_EQ(editor()->toPlainText(), "Map not evaluated. Press Compile (F5).");
  tabs()->setCurrentIndex(1);
  EXPECT_EQ(editor()->toPlainText(), "first line\nsecond line\n");
  EXPECT_EQ(editor()->textCursor().selectionStart(), 6);
  EXPECT_EQ(editor()->textCursor().selectionEnd(), 10);
  EXPECT_EQ(editor()->textCursor().selectedText(), "line");
}

TEST_F(MainWindowTest, TypingInTheSourceShowsUnsavedChanges) {
  window.Model().SelectSource(folder.write("song.asm", "abc\n"), true);
  editor()->setFocus();
  editor()->moveCursor(QTextCursor::End);
  QTest::keyClicks(editor(), "xy");
  EXPECT_EQ(status(), "Unsaved changes   INS");
  EXPECT_EQ(window.Model().Tabs().at(kSourceTab).text, "abc\nxy");
  EXPECT_TRUE(window.Model().Tabs().at(1).dirty);
}

// A tab chosen with the mouse takes the keys that follow, unless it shows a
// file that could not be read.
TEST_F(MainWindowTest, AChosenTabTakesTheKeysUnlessItsFileCouldNotBeRead) {
  window.Model().SelectSource(folder.write("song.asm", "abc\n"), false);
  window.activateWindow();
  QTRY_VERIFY(window.isActiveWindow());
  QCheckBox* noWrite = window.Find<QCheckBox>(ControlId::NoWrite);
  QTest::mouseClick(noWrite, Qt::LeftButton);
  QTRY_VERIFY(noWrite->hasFocus());
  QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(1).center());
  ASSERT_EQ(tabs()->currentIndex(), 1);
  QTest::keyClicks(QApplication::focusWidget(), "x y");
  EXPECT_TRUE(noWrite->isChecked());
  EXPECT_EQ(window.Model().Tabs().at(kSourceTab).text, "x yabc\n");

  std::string big = folder.write("big.asm", "");
  std::filesystem::resize_file(big, std::uintmax_t{270} << 20);
  window.Model().SelectSource(big, true);
  QTest::keyClicks(editor(), "zz");
  QTest::keyClick(editor(), Qt::Key_Return);
  EXPECT_TRUE(editor()->isReadOnly());
  EXPECT_EQ(fromQt(editor()->toPlainText()),
            "Unable to read " + big + ": larger than the source size limit (268435456 bytes).");
  EXPECT_FALSE(window.Model().IsTabDirty(kSourceTab));
}

TEST_F(MainWindowTest, ALongSourceStillCountsLinesAndKeepsItsTextExact) {
  // Long texts go into the editor several lines to a block.
  std::string text;
  for (int line = 1; line <= 20000; ++line) text += "L" + std::to_string(line) + " EQU " + std::to_string(line) + "\r\n";
  window.Model().SelectSource(folder.write("long.asm", text), true);
  std::string shown = WithLineEnds(text, "\n");
  ASSERT_EQ(window.GetEditorText(), shown);
  EXPECT_EQ(editor()->document()->lineCount(), 20001);

  int position = static_cast<int>(shown.find("L15000 ")) + 2;
  QTextCursor caret = editor()->textCursor();
  caret.setPosition(position);
  editor()->setTextCursor(caret);
  editor()->setFocus();
  QTest::keyClicks(editor(), "xy");
  EXPECT_EQ(window.GetCaretPlace().line, 15000);
  EXPECT_EQ(window.GetCaretPlace().column, 5);
  EXPECT_EQ(window.GetEditorText(), shown.insert(static_cast<std::size_t>(position), "xy"));
  EXPECT_EQ(window.Model().Tabs().at(kSourceTab).text, shown);

  // A new width lays the text out again; the lines are still counted.
  window.resize(window.width() - 50, window.height());
  QTRY_COMPARE(editor()->document()->lineCount(), 20001);
  EXPECT_EQ(window.GetCaretPlace().line, 15000);
}

TEST_F(MainWindowTest, F5AnywhereInTheWindowCompiles) {
  QLineEdit* find = window.Find<QLineEdit>(ControlId::FindText);
  find->setFocus();
  QTest::keyClick(find, Qt::Key_F5);
  EXPECT_EQ(window.messages, std::vector<std::string>{"Select a source file before compiling."});
  EXPECT_TRUE(find->text().isEmpty());
}

TEST_F(MainWindowTest, BrowseSelectsTheChosenSource) {
  std::string path = folder.write("picked.asm", "x\n");
  window.openAnswer = path;
  window.Find<QPushButton>(ControlId::Browse)->click();
  ASSERT_EQ(window.openRequests.size(), 1u);
  EXPECT_EQ(window.openRequests[0].defaultExtension, "asm");
  EXPECT_EQ(window.openRequests[0].filter, "SDF Source (*.asm)|*.asm|Images (*.HEX)|*.HEX|All Files (*.*)|*.*||");
  EXPECT_EQ(window.Find<QLineEdit>(ControlId::SourcePath)->text().toStdString(), path);
  EXPECT_EQ(tabs()->tabText(1), "picked.asm");
  EXPECT_EQ(editor()->toPlainText(), "x\n");
}

TEST_F(MainWindowTest, ResizingLaysOutTheTabStripEditorAndBottomRow) {
  window.resize(800, 600);
  QTRY_COMPARE(window.width(), 800);
  std::optional<PixelRect> noWrite = window.ControlRect(ControlId::NoWrite);
  ASSERT_TRUE(noWrite);
  QRect strip = tabs()->geometry();
  EXPECT_EQ(strip.y(), std::max(76, noWrite->bottom() + 6));
  // The list of all tabs takes the strip's right end.
  QToolButton* list = window.findChild<QToolButton*>();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->geometry().left(), strip.right() + 1);
  EXPECT_EQ(strip.width() + list->width(), 800);
  EXPECT_EQ(list->height(), 52);
  EXPECT_EQ(strip.height(), 52);
  EXPECT_EQ(editor()->geometry().top(), strip.bottom() + 1);
  // The bottom row is as tall as the font needs, and the status words fit.
  QWidget* find = window.Find<QLineEdit>(ControlId::FindText);
  EXPECT_GE(find->height(), find->sizeHint().height());
  EXPECT_GT(find->geometry().top(), editor()->geometry().bottom());
  EXPECT_LE(find->geometry().bottom(), 600);
  QLabel* status = window.Find<QLabel>(ControlId::Status);
  EXPECT_GE(status->width(), status->fontMetrics().horizontalAdvance("Compile completed with warnings   INS"));
}

TEST_F(MainWindowTest, AtItsSmallestEveryControlIsWholeInTheWindow) {
  window.resize(200, 150);
  QTRY_COMPARE(window.size(), window.minimumSize());
  EXPECT_LT(window.width(), 800);
  QRect client = window.rect();
  QRect editorPlace = editor()->geometry();
  for (const TemplateControl& entry : MainDialogTemplate()) {
    QWidget* control = window.Find<QWidget>(entry.id);
    QRect place = control->geometry();
    EXPECT_TRUE(client.contains(place)) << entry.text << " " << place.x() << "," << place.y();
    if (place.top() > editorPlace.top()) {
      EXPECT_GT(place.top(), editorPlace.bottom()) << entry.text;
      EXPECT_GE(place.height(), control->sizeHint().height()) << entry.text;
    }
  }
  for (ControlId id : {ControlId::SourcePath, ControlId::RecentSources}) {
    EXPECT_LT(window.Find<QWidget>(id)->geometry().right(), window.Find<QWidget>(ControlId::SourceLabel)->x());
  }
}

TEST_F(MainWindowTest, TabLabelsPaint) {
  window.Model().SelectSource(folder.write("averyveryverylongname.mk2.asm", "x\n"), true);
  QImage picture = window.grab().toImage();
  EXPECT_FALSE(picture.isNull());
  QPoint inside = tabs()->tabRect(0).center() + tabs()->pos();
  EXPECT_EQ(picture.pixelColor(inside.x(), tabs()->pos().y() + tabs()->tabRect(0).bottom() - 2),
            QColor(205, 225, 255));
}

TEST_F(MainWindowTest, NewTabLabelsReplaceTheOldOnesWhateverTheirCount) {
  tabs()->setFocus();
  bool focused = tabs()->hasFocus();
  using Labels = std::vector<std::string>;
  for (const Labels& labels : {Labels{"Log", "a.asm", "a.MAP", "a.SYM", "a.LST", "a.HEX", "b.inc", "c.inc"},
                               Labels{"Log", "a.asm", "a.MAP", "a.SYM", "a.LST", "a.HEX", "b.inc *", "c.inc"},
                               Labels{"Log", "a.asm", "a.MAP", "a.SYM", "a.LST", "a.HEX", "b.inc *", "c.inc"},
                               Labels{"Log", "x.asm", "x.MAP"}, Labels{"Log", "x.asm", "x.MAP", "x.SYM", "x.LST"}}) {
    window.SetTabItems(labels);
    QStringList shown;
    for (int i = 0; i < tabs()->count(); ++i) {
      shown << tabs()->tabText(i);
      // Laid out by its label, not by a stand-in size.
      EXPECT_GT(tabs()->tabRect(i).width(), tabs()->fontMetrics().horizontalAdvance(tabs()->tabText(i)));
    }
    QStringList expected;
    for (const std::string& label : labels) expected << toQt(label);
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(tabs()->isVisible());
    EXPECT_EQ(tabs()->hasFocus(), focused);
  }
}

TEST_F(MainWindowTest, EnterAndEscapeDoNotCloseTheWindowButExitAppDoes) {
  bool stillOpen = false;
  QTimer::singleShot(0, &window, [&] {
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::keyClick(window.Find<QLineEdit>(ControlId::FindText), Qt::Key_Return);
    QTest::keyClick(window.Find<QPushButton>(ControlId::Browse), Qt::Key_Enter);
    stillOpen = window.isVisible();
    window.Find<QPushButton>(ControlId::Exit)->click();
  });
  EXPECT_EQ(window.exec(), CMainDialogWindow::kCancelCode);
  EXPECT_TRUE(stillOpen);
}

// Runs the window as start-up does, on settings and data of the test's own,
// doing whileOpen once it shows and then closing it.
class MainWindowRun : public ::testing::Test {
 protected:
  int Run(const std::function<void(CMainDialogWindow&)>& whileOpen, const std::string& startupSource = {}) {
    WindowStorage storage{QString::fromStdString(folder.file("settings.ini")),
                          QString::fromStdString(folder.file("data"))};
    std::unique_ptr<ModalWindow> window = makeQtMainWindowWithStorage(argc, argv, NoDisplayEnding{}, storage);
    if (!startupSource.empty()) window->SetStartupSource(startupSource);
    QTimer::singleShot(0, [&] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<CMainDialogWindow*>(top); dialog != nullptr && dialog->isVisible()) {
          whileOpen(*dialog);
          dialog->close();
        }
      }
    });
    return window->DoModal();
  }

  template <class Widget>
  static Widget* Find(CMainDialogWindow& dialog, ControlId id) {
    return static_cast<Widget*>(const_cast<void*>(dialog.ControlHandle(id)));
  }

  test::TraceLogCapture trace;
  test::TempFolder folder;
  int argc = 1;
  char name[10] = "quaverton";
  char* argv[2] = {name, nullptr};
};

TEST_F(MainWindowRun, StartsAndClosesWithItsEndCode) {
  EXPECT_EQ(Run([](CMainDialogWindow&) {}), 2);
  EXPECT_NE(trace.text().find("MainDialog OnInitDialog complete visible=1\r\n"), std::string::npos);
  EXPECT_TRUE(QFileInfo(QString::fromStdString(folder.file("data/backups"))).isDir());
}

TEST_F(MainWindowRun, OpensWithTheSourceItWasStartedWith) {
  std::string path = folder.write("song.asm", "first line\n");
  Run([&](CMainDialogWindow& dialog) {
    EXPECT_EQ(Find<QLineEdit>(dialog, ControlId::SourcePath)->text().toStdString(), path);
    EXPECT_EQ(Find<QTabBar>(dialog, ControlId::OutputTab)->currentIndex(), 1);
    EXPECT_EQ(Find<QPlainTextEdit>(dialog, ControlId::OutputText)->toPlainText(), "first line\n");
  }, path);
}

TEST_F(MainWindowRun, ReopensWithTheSourceSuffixSwitchesAndTabItClosedWith) {
  std::string path = folder.write("song.asm", "first line\nsecond line\n");
  QRect closedAt;
  Run([&](CMainDialogWindow& dialog) {
    dialog.Model().SelectSource(path, true);
    Find<QLineEdit>(dialog, ControlId::Suffix)->setText("_Q");
    Find<QCheckBox>(dialog, ControlId::NoWrite)->setChecked(true);
    Find<QCheckBox>(dialog, ControlId::ShowInactive)->setChecked(true);
    QPlainTextEdit* editor = Find<QPlainTextEdit>(dialog, ControlId::OutputText);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    closedAt = dialog.frameGeometry();
  });

  Run([&](CMainDialogWindow& dialog) {
    EXPECT_EQ(Find<QLineEdit>(dialog, ControlId::SourcePath)->text().toStdString(), path);
    EXPECT_EQ(Find<QComboBox>(dialog, ControlId::RecentSources)->currentText().toStdString(), path);
    EXPECT_EQ(Find<QLineEdit>(dialog, ControlId::Suffix)->text(), "_Q");
    EXPECT_TRUE(Find<QCheckBox>(dialog, ControlId::NoWrite)->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(dialog, ControlId::ShowInactive)->isChecked());
    QTabBar* tabs = Find<QTabBar>(dialog, ControlId::OutputTab);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(tabs->tabText(1), "song.asm");
    QPlainTextEdit* editor = Find<QPlainTextEdit>(dialog, ControlId::OutputText);
    EXPECT_EQ(editor->toPlainText(), "first line\nsecond line\n");
    EXPECT_EQ(editor->textCursor().selectedText(), "line");
    EXPECT_EQ(dialog.frameGeometry(), closedAt);
  });
}

TEST(MainWindowProcess, WithoutADisplayItSaysSoAndEndsWithCodeOne) {
  const std::string said = "quaverton: cannot open the window (no display); use --harness to compile without one\n";
  test::TraceLogCapture trace;
  test::EnvironmentVariable platform("QT_QPA_PLATFORM", std::nullopt);
  test::EnvironmentVariable wayland("WAYLAND_DISPLAY", std::nullopt);
  // None named, and one named where nothing listens (Qt's own complaint comes first).
  for (const std::optional<std::string>& name : {std::optional<std::string>(), std::optional<std::string>(":97")}) {
    test::EnvironmentVariable display("DISPLAY", name);
    test::ProcessResult result = test::runQuaverton({});
    EXPECT_EQ(result.exitCode, 1) << name.value_or("none");
    if (name) {
      EXPECT_TRUE(result.standardError.ends_with(said)) << result.standardError;
    } else {
      EXPECT_EQ(result.standardError, said);
    }
  }
}

}  // namespace
}  // namespace qv
