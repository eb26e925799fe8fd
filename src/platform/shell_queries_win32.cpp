// The running system's answers to the catalogue's shell questions.
#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include <cstring>

#include "platform/files.h"
#include "platform/path_text.h"
#include "platform/shell.h"
#include "platform/shell_queries.h"
#include "platform/unique_handle.h"

namespace gd {
namespace {

class Win32ShellQueries final : public ShellQueries {
 public:
  bool FileExists(const std::string& path) override { return gd::FileExists(path); }

  std::optional<std::string> SpecialFolderPath(int folder) override {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &list)) || list == nullptr) {
      return std::nullopt;
    }
    char path[kMaxPath] = {};
    const BOOL found = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    if (!found || path[0] == '\0') return std::nullopt;
    return std::string(path);
  }

  std::vector<std::string> DriveRoots() override {
    char buffer[kMaxPath] = {};
    const DWORD length = GetLogicalDriveStringsA(sizeof buffer, buffer);
    std::vector<std::string> roots;
    if (length == 0 || length >= sizeof buffer) return roots;
    for (const char* p = buffer; *p != '\0' && p < buffer + length; p += strlen(p) + 1) {
      roots.emplace_back(p);
    }
    return roots;
  }

  unsigned DriveType(const std::string& root) override { return GetDriveTypeA(root.c_str()); }

  std::string DisplayName(const std::string& path) override {
    SHFILEINFOA info{};
    if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) return {};
    return info.szDisplayName;
  }

  std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern,
                                     bool recurse) override {
    std::string dir = folder;
    TextList found;
    int count = 0;
    gd::FindFiles(dir, pattern, recurse, found, count);
    return {found.begin(), found.end()};
  }

  bool ReadShortcut(const std::string& shortcut, std::string& target, std::string& iconFile,
                    int& iconIndex) override {
    return gd::ReadShortcut(shortcut, target, iconFile, iconIndex);
  }

  int IconCount(const std::string& file) override {
    const auto count = reinterpret_cast<UINT_PTR>(
        ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(-1)));
    if (count == 0 && IsCursorFile(file)) return 1;
    return static_cast<int>(count);
  }

 private:
  // Windows counts a cursor or animated cursor file as one icon; some shells (Wine's) count
  // none, which would make every cursor look unusable. The header decides, as for Windows.
  static bool IsCursorFile(const std::string& file) {
    UniqueFile handle(CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return false;
    unsigned char header[12] = {};
    DWORD read = 0;
    if (!ReadFile(handle.get(), header, sizeof header, &read, nullptr) || read != sizeof header) {
      return false;
    }
    const bool cursorDirectory = header[0] == 0 && header[1] == 0 && header[2] == 2 &&
                                 header[3] == 0 && (header[4] != 0 || header[5] != 0);
    const bool animatedCursor = std::memcmp(header, "RIFF", 4) == 0 &&
                                std::memcmp(header + 8, "ACON", 4) == 0;
    return cursorDirectory || animatedCursor;
  }
};

}  // namespace

ShellQueries& SystemShell() {
  static Win32ShellQueries shell;
  return shell;
}

}  // namespace gd
