#include "window/qt/off_thread_run.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <memory>

#include "platform/error_report.h"

namespace qv {

namespace {

constexpr int kPollMilliseconds = 10;
// The compiler recurses into nested includes and expressions; room as the
// main thread has it, whatever the system's default for other threads.
constexpr unsigned kWorkStackBytes = 16u << 20;

bool isUserAction(const QEvent& event) {
  if (event.isInputEvent()) return true;  // keys, mouse, wheel, touch, context menu
  switch (event.type()) {
    case QEvent::Close:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    default: return false;
  }
}

// Dropped, not deferred: a key pressed during the work must not start
// another command once it is over.
class UserActionBlock : public QObject {
 public:
  UserActionBlock() {
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~UserActionBlock() override {
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
  }
  UserActionBlock(const UserActionBlock&) = delete;
  UserActionBlock& operator=(const UserActionBlock&) = delete;

 protected:
  bool eventFilter(QObject*, QEvent* event) override { return isUserAction(*event); }
};

}  // namespace

void RunOffWindowThread(const std::function<void()>& work, const std::function<void()>& poll) {
  UserActionBlock block;
  QEventLoop waiting;
  QTimer poller;
  poller.setInterval(kPollMilliseconds);
  QObject::connect(&poller, &QTimer::timeout, [&poll] {
    // Nothing may escape into Qt's event loop.
    try {
      poll();
    } catch (...) {
      reportUnhandledException("OnCompileProgress", 0);
    }
  });
  std::unique_ptr<QThread> worker(QThread::create(work));
  worker->setStackSize(kWorkStackBytes);
  // Queued to this thread: a quit that comes before exec still ends it.
  QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit, Qt::QueuedConnection);
  poller.start();
  worker->start();
  waiting.exec();
  worker->wait();
}

}  // namespace qv
