#include "window/qt/main_window_runner.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/error_report.h"
#include "platform/user_data_folder.h"
#include "window/qt/main_dialog_window.h"
#include "window/qt/qsettings_store.h"
#include "window/qt/qt_text.h"

namespace qv {

namespace {

QtMessageHandler previousMessageHandler = nullptr;
// Set while Qt connects to the display.
bool startingPlatform = false;
NoDisplayEnding noDisplayEnding;

void reportFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (previousMessageHandler != nullptr) previousMessageHandler(type, context, message);
  if (type != QtFatalMsg) return;
  // Qt ends the process once this returns; a display it cannot reach is no
  // crash of the program.
  if (startingPlatform) {
    std::fprintf(stderr, "%s\n", noDisplayEnding.text);
    std::_Exit(noDisplayEnding.exitCode);
  }
  showErrorReport(applicationCallbackFailureText(0));
}

// Qt needs a display named in the environment, or a platform of its own
// choice such as offscreen; without either it cannot show the window.
bool displayNamed(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0) return true;
  }
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

void showErrorBox(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quaverton"), toQt(text), QMessageBox::Ok);
  box.exec();
}

std::unique_ptr<SettingsStore> makeSettingsStore(const WindowStorage& storage) {
  if (storage.settingsFile.isEmpty()) return std::make_unique<QSettingsStore>();
  return std::make_unique<QSettingsStore>(storage.settingsFile);
}

QString dataFolderOf(const WindowStorage& storage) {
  if (!storage.dataFolder.isEmpty()) return storage.dataFolder;
  return toQt(userDataFolder());
}

class QtMainWindow : public ModalWindow {
 public:
  QtMainWindow(int& argc, char** argv, const WindowStorage& storage) {
    previousMessageHandler = qInstallMessageHandler(reportFatalMessage);
    if (QApplication::instance() == nullptr) {
      startingPlatform = true;
      m_application = std::make_unique<QApplication>(argc, argv);
      startingPlatform = false;
    }
    setErrorDisplay(showErrorBox);
    m_settings = makeSettingsStore(storage);
    m_dialog = std::make_unique<CMainDialogWindow>(*m_settings, fromQt(dataFolderOf(storage)));
  }

  ~QtMainWindow() override {
    m_dialog.reset();
    m_settings.reset();
    setErrorDisplay(nullptr);
    m_application.reset();
    qInstallMessageHandler(previousMessageHandler);
  }

  QtMainWindow(const QtMainWindow&) = delete;
  QtMainWindow& operator=(const QtMainWindow&) = delete;

  int DoModal() override { return m_dialog->DoModal(); }
  void SetStartupSource(const std::string& path) override { m_dialog->Model().SetStartupSource(path); }

 private:
  std::unique_ptr<QApplication> m_application;
  std::unique_ptr<SettingsStore> m_settings;
  std::unique_ptr<CMainDialogWindow> m_dialog;
};

}  // namespace

std::unique_ptr<ModalWindow> makeQtMainWindow(int& argc, char** argv, const NoDisplayEnding& noDisplay) {
  return makeQtMainWindowWithStorage(argc, argv, noDisplay, {});
}

std::unique_ptr<ModalWindow> makeQtMainWindowWithStorage(int& argc, char** argv, const NoDisplayEnding& noDisplay,
                                                         const WindowStorage& storage) {
  if (QApplication::instance() == nullptr && !displayNamed(argc, argv)) return nullptr;
  noDisplayEnding = noDisplay;
  return std::make_unique<QtMainWindow>(argc, argv, storage);
}

}  // namespace qv
