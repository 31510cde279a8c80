#pragma once
// The real window with its modal questions answered at once: OK, or the
// queued answers in turn. A compile can be held back before it starts.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "window/qt/main_dialog_window.h"

namespace qv::test {

class TestWindow : public CMainDialogWindow {
 public:
  TestWindow(SettingsStore& settings, const std::string& dataFolder) : CMainDialogWindow(settings, dataFolder) {}

  MessageBoxAnswer ShowMessageBox(const std::string& text, MessageBoxButtons, MessageBoxIcon) override {
    messages.push_back(text);
    if (answers.empty()) return MessageBoxAnswer::Ok;
    MessageBoxAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::string AskOpenFile(const OpenFileRequest& request) override {
    openRequests.push_back(request);
    return openAnswer;
  }

  void RunAwayFromWindowThread(const std::function<void()>& work, const std::function<void()>& poll) override {
    CMainDialogWindow::RunAwayFromWindowThread(
        [&] {
          if (beforeWork) beforeWork();
          work();
        },
        poll);
  }

  template <class Widget>
  Widget* Find(ControlId id) const {
    return static_cast<Widget*>(const_cast<void*>(ControlHandle(id)));
  }

  std::vector<std::string> messages;
  std::deque<MessageBoxAnswer> answers;
  std::vector<OpenFileRequest> openRequests;
  std::string openAnswer;
  // Runs on the work's own thread before the work.
  std::function<void()> beforeWork;
};

}  // namespace qv::test
