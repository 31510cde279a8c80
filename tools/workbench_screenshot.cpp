// Compiles a source in the real workbench window and saves a picture of it.
//   workbench_screenshot SOURCE.asm PICTURE.png [log|lst|source [FIRST_LINE]]
// Meant for the offscreen platform (QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "window/qt/main_dialog_window.h"
#include "window/qt/qsettings_store.h"
#include "window/model/tabs/tab_set.h"

namespace {

constexpr int kPictureWidth = 1180;
constexpr int kPictureHeight = 760;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s SOURCE.asm PICTURE.png [log|lst|source [FIRST_LINE]]\n", argv[0]);
    return 1;
  }
  std::string tabName = argc > 3 ? argv[3] : "log";
  int tab = tabName == "lst" ? qv::kLstTab : tabName == "source" ? qv::kSourceTab : qv::kLogTab;
  int firstLine = argc > 4 ? std::atoi(argv[4]) : 1;

  QApplication application(argc, argv);
  // Settings of its own, so the picture never shows the user's.
  QTemporaryDir scratch;
  qv::QSettingsStore settings(scratch.filePath(QStringLiteral("settings.ini")));
  qv::CMainDialogWindow window(settings, scratch.filePath(QStringLiteral("data")).toStdString());
  window.Model().OnInitDialog();
  window.resize(kPictureWidth, kPictureHeight);
  window.Model().SelectSource(argv[1], false);
  window.Model().OnCompile();
  if (!window.Model().Last().compiled) {
    std::fprintf(stderr, "%s did not compile\n", argv[1]);
    return 2;
  }

  auto* tabs = static_cast<QTabBar*>(const_cast<void*>(window.ControlHandle(qv::ControlId::OutputTab)));
  auto* editor = static_cast<QPlainTextEdit*>(const_cast<void*>(window.ControlHandle(qv::ControlId::OutputText)));
  tabs->setCurrentIndex(tab);
  editor->verticalScrollBar()->setValue(std::max(firstLine - 1, 0));
  QApplication::processEvents();

  if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 3;
  }
  return 0;
}
