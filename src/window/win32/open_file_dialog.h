#pragma once
// The open-file dialog of Browse.

#include <windows.h>

#include <string>

#include "window/main_dialog_view.h"

namespace qv {

// The filter as the dialog takes it: "Description|Patterns|...||" with
// every "|" a NUL.
std::wstring openFileFilter(const std::string& filter);

// The chosen full path; empty when cancelled.
std::string askOpenFile(HWND owner, const OpenFileRequest& request);

}  // namespace qv
