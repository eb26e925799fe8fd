// The rebuild of the shell's icon cache: the cache file goes, and a one-pixel change of the
// shell icon size, announced and taken back, makes the shell reload every icon it shows.
#include "companions/refreshhook/icon_rebuild.h"

#include "platform/unique_handle.h"

#include <windows.h>

namespace gd::refreshhook {
namespace {

constexpr char kMetricsKey[] = "Control Panel\\Desktop\\WindowMetrics";
constexpr char kShellIconSizeValue[] = "Shell Icon Size";
constexpr char kMetricsSection[] = "WindowMetrics";
constexpr char kCacheFileName[] = "ShellIconCache";
// What the shell uses when no size is stored.
constexpr int kDefaultShellIconSize = 32;
// Sizes beyond this are not what the shell would use either; they count as unreadable.
constexpr int kLargestShellIconSize = 256;
// Per window: a busy window is not waited for longer, a hung one not at all.
constexpr UINT kBroadcastTimeoutMs = 1000;

// The stored value byte for byte, so that it can be put back exactly as it was.
struct StoredValue {
  bool present = false;
  bool fits = false;  // false: larger than the buffer, so it could not be restored exactly
  DWORD type = 0;
  BYTE data[64] = {};
  DWORD size = 0;
};

StoredValue ReadStoredSize(HKEY key) {
  StoredValue stored;
  DWORD size = sizeof(stored.data);
  const LONG error = RegQueryValueExA(key, kShellIconSizeValue, nullptr, &stored.type,
                                      stored.data, &size);
  stored.present = error == ERROR_SUCCESS || error == ERROR_MORE_DATA;
  stored.fits = error == ERROR_SUCCESS;
  stored.size = stored.fits ? size : 0;
  return stored;
}

// The size the shell works with: the stored decimal text, or the default when there is none
// or it is not a plain number of a sensible size.
int ShellIconSize(const StoredValue& stored) {
  if (!stored.present || !stored.fits || stored.type != REG_SZ) return kDefaultShellIconSize;
  int size = 0;
  DWORD i = 0;
  for (; i < stored.size && stored.data[i] != 0; ++i) {
    const BYTE c = stored.data[i];
    if (c < '0' || c > '9') return kDefaultShellIconSize;
    size = size * 10 + (c - '0');
    if (size > kLargestShellIconSize) return kDefaultShellIconSize;
  }
  return i > 0 && size > 1 ? size : kDefaultShellIconSize;
}

void WriteSize(HKEY key, int size) {
  char text[16];
  const int length = wsprintfA(text, "%d", size);
  RegSetValueExA(key, kShellIconSizeValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(length + 1));
}

void PutBack(HKEY key, const StoredValue& stored) {
  if (stored.present) {
    RegSetValueExA(key, kShellIconSizeValue, 0, stored.type, stored.data, stored.size);
  } else {
    RegDeleteValueA(key, kShellIconSizeValue);
  }
}

void AnnounceMetricsChange() {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                      reinterpret_cast<LPARAM>(kMetricsSection), SMTO_ABORTIFHUNG,
                      kBroadcastTimeoutMs, &ignored);
}

// Windows 9x reads this file at start instead of extracting the icons again; the NT shells
// keep the cache in memory and write the file when they end. Gone, it cannot bring old icons
// back. It may be in use or absent: then there is nothing to do.
void DeleteCacheFile() {
  char path[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
  if (length == 0 || length + 1 + sizeof(kCacheFileName) > MAX_PATH) return;
  if (path[length - 1] != '\\') lstrcatA(path, "\\");
  lstrcatA(path, kCacheFileName);
  SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path);
}

}  // namespace

void RebuildShellIcons() noexcept {
  DeleteCacheFile();
  HKEY opened = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, kMetricsKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                  KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &opened, nullptr);
  const UniqueRegKey key(opened);
  const StoredValue stored = key ? ReadStoredSize(key.get()) : StoredValue{};
  // A value that cannot be read back whole is never overwritten: it could not be restored.
  if (!key || (stored.present && !stored.fits)) {
    AnnounceMetricsChange();
    return;
  }
  WriteSize(key.get(), ShellIconSize(stored) - 1);
  AnnounceMetricsChange();
  PutBack(key.get(), stored);
  AnnounceMetricsChange();
}

}  // namespace gd::refreshhook
