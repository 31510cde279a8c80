#include "window/win32/open_file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "platform/utf16_windows.h"

namespace qv {

std::wstring openFileFilter(const std::string& filter) {
  std::wstring wide = toUtf16(filter);
  for (wchar_t& unit : wide) {
    if (unit == L'|') unit = L'\0';
  }
  // The list ends with two NULs whether or not the text ended in "||".
  wide.append(2, L'\0');
  return wide;
}

std::string askOpenFile(HWND owner, const OpenFileRequest& request) {
  std::wstring filter = openFileFilter(request.filter);
  std::wstring folder = nativeWidePath(request.initialFolder);
  std::wstring extension = toUtf16(request.defaultExtension);
  std::vector<wchar_t> chosen(32768, L'\0');

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = chosen.data();
  dialog.nMaxFile = static_cast<DWORD>(chosen.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return {};
  return toUtf8(chosen.data());
}

}  // namespace qv
