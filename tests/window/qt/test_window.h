#pragma once
// The real window with its modal questions answered at once: OK, or the
// queued answers in turn.

#include <deque>
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

  template <class Widget>
  Widget* Find(ControlId id) const {
    return static_cast<Widget*>(const_cast<void*>(ControlHandle(id)));
  }

  std::vector<std::string> messages;
  std::deque<MessageBoxAnswer> answers;
  std::vector<OpenFileRequest> openRequests;
  std::string openAnswer;
};

}  // namespace qv::test
