#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/user_data_folder.h"
#include "platform/utf16_windows.h"

namespace qv {

namespace {

// The local, not the roaming, folder: what is kept there belongs to this
// machine's files.
std::string localApplicationData() {
  PWSTR path = nullptr;
  std::string folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path))) folder = toUtf8(path);
  CoTaskMemFree(path);
  return folder.empty() ? environmentVariable("LOCALAPPDATA") : folder;
}

}  // namespace

std::string userDataFolder() {
  std::string base = localApplicationData();
  if (base.empty()) return {};
  return joinPath(joinPath(base, "Veltrane"), "Quaverton");
}

}  // namespace qv
