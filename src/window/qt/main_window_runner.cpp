#include "window/qt/main_window_runner.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/error_report.h"
#include "window/qt/main_dialog_window.h"
#include "window/qt/qt_text.h"

namespace qv {

namespace {

QtMessageHandler previousMessageHandler = nullptr;

void reportFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (previousMessageHandler != nullptr) previousMessageHandler(type, context, message);
  // Qt ends the process once this returns.
  if (type == QtFatalMsg) showErrorReport(applicationCallbackFailureText(0));
}

void showErrorBox(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quaverton"), toQt(text), QMessageBox::Ok);
  box.exec();
}

class QtMainWindow : public ModalWindow {
 public:
  QtMainWindow(int& argc, char** argv) {
    previousMessageHandler = qInstallMessageHandler(reportFatalMessage);
    if (QApplication::instance() == nullptr) m_application = std::make_unique<QApplication>(argc, argv);
    setErrorDisplay(showErrorBox);
    m_dialog = std::make_unique<CMainDialogWindow>();
  }

  ~QtMainWindow() override {
    m_dialog.reset();
    setErrorDisplay(nullptr);
    m_application.reset();
    qInstallMessageHandler(previousMessageHandler);
  }

  QtMainWindow(const QtMainWindow&) = delete;
  QtMainWindow& operator=(const QtMainWindow&) = delete;

  int DoModal() override { return m_dialog->DoModal(); }

 private:
  std::unique_ptr<QApplication> m_application;
  std::unique_ptr<CMainDialogWindow> m_dialog;
};

}  // namespace

std::unique_ptr<ModalWindow> makeQtMainWindow(int& argc, char** argv) {
  return std::make_unique<QtMainWindow>(argc, argv);
}

}  // namespace qv
