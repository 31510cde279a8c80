#include "window/win32/go_to_line_dialog.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "window/win32/dialog_resources.h"

namespace qv {

namespace {

struct LineQuestion {
  int currentLine = 1;
  int lastLine = 1;
  int answer = 0;
};

INT_PTR CALLBACK goToLineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* question = reinterpret_cast<LineQuestion*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      question = reinterpret_cast<LineQuestion*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      std::wstring prompt = L"Line number (1 - " + std::to_wstring(question->lastLine) + L"):";
      SetDlgItemTextW(dialog, QV_GO_TO_LINE_PROMPT, prompt.c_str());
      SetDlgItemInt(dialog, QV_GO_TO_LINE_NUMBER, static_cast<UINT>(question->currentLine), FALSE);
      HWND number = GetDlgItem(dialog, QV_GO_TO_LINE_NUMBER);
      SendMessageW(number, EM_SETSEL, 0, -1);
      SetFocus(number);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        BOOL read = FALSE;
        UINT line = GetDlgItemInt(dialog, QV_GO_TO_LINE_NUMBER, &read, FALSE);
        // Out of range is brought into it, as a spin box would.
        question->answer = read ? std::clamp(static_cast<int>(std::min<UINT>(line, 0x7FFFFFFF)), 1,
                                             question->lastLine)
                                : question->currentLine;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default: return FALSE;
  }
}

}  // namespace

std::optional<int> askLineNumber(HWND owner, int currentLine, int lastLine) {
  LineQuestion question{std::clamp(currentLine, 1, std::max(lastLine, 1)), std::max(lastLine, 1)};
  INT_PTR ended = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QV_GO_TO_LINE_DIALOG), owner,
                                  goToLineProc, reinterpret_cast<LPARAM>(&question));
  if (ended != IDOK) return std::nullopt;
  return question.answer;
}

}  // namespace qv
