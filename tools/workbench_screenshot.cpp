// Compiles a source in the real workbench window and saves a picture of it.
//   workbench_screenshot SOURCE.asm PICTURE.png [log|lst]
// Meant for the offscreen platform (QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "window/qt/main_dialog_window.h"
#include "window/qt/qsettings_store.h"
#include "window/tab_set.h"

namespace {

constexpr int kPictureWidth = 1180;
constexpr int kPictureHeight = 760;

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s SOURCE.asm PICTURE.png [log|lst]\n", argv[0]);
    return 1;
  }
  int tab = (argc > 3 && std::strcmp(argv[3], "lst") == 0) ? qv::kLstTab : qv::kLogTab;

  QApplication application(argc, argv);
  // Settings of its own, so the picture never shows the user's.
  QTemporaryDir scratch;
  qv::QSettingsStore settings(scratch.filePath(QStringLiteral("settings.ini")));
  qv::CMainDialogWindow window(settings, scratch.filePath(QStringLiteral("data")).toStdString());
  window.Model().OnInitDialog();
  window.resize(kPictureWidth, kPictureHeight);
  window.Model().SelectSource(argv[1], false);
  window.Model().OnCompile();
  if (!window.Model().m_compiled) {
    std::fprintf(stderr, "%s did not compile\n", argv[1]);
    return 2;
  }

  auto* tabs = static_cast<QTabBar*>(const_cast<void*>(window.ControlHandle(qv::ControlId::OutputTab)));
  auto* editor = static_cast<QPlainTextEdit*>(const_cast<void*>(window.ControlHandle(qv::ControlId::OutputText)));
  tabs->setCurrentIndex(tab);
  editor->verticalScrollBar()->setValue(0);
  QApplication::processEvents();

  if (!window.grab().save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 3;
  }
  return 0;
}
