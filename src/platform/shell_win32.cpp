// Shortcuts through the shell link object, and ShellExecuteEx / SHFileOperation.
#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "platform/com.h"
#include "platform/path_text.h"
#include "platform/shell.h"
#include "platform/unique_handle.h"
#include "platform/wide_text_win32.h"

namespace gd {
namespace {

// Item ID lists come from the shell's allocator.
struct ItemListFree {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};

struct ShellLink {
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
};

bool CreateShellLink(ShellLink& out) {
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              out.link.out()))) {
    return false;
  }
  return SUCCEEDED(out.link->QueryInterface(IID_IPersistFile, out.file.out()));
}

}  // namespace

bool ReadShortcut(const std::string& shortcut, std::string& target, std::string& iconFile,
                  int& iconIndex) {
  ComScope com;
  ShellLink link;
  if (!CreateShellLink(link)) return false;
  if (FAILED(link.file->Load(Widen(shortcut).c_str(), STGM_READ))) return false;
  char buffer[kMaxPath] = {};
  if (SUCCEEDED(link.link->GetPath(buffer, sizeof buffer, nullptr, SLGP_UNCPRIORITY))) {
    target = buffer;
  }
  int index = 0;
  char icon[kMaxPath] = {};
  if (SUCCEEDED(link.link->GetIconLocation(icon, sizeof icon, &index))) {
    iconFile = icon;
    iconIndex = index;
  }
  return true;
}

bool WriteShortcut(const std::string& shortcut, const std::string& target,
                   const std::string& description, const std::string& iconFile, int iconIndex) {
  ComScope com;
  ShellLink link;
  if (!CreateShellLink(link)) return false;
  const std::wstring widePath = Widen(shortcut);
  link.file->Load(widePath.c_str(), STGM_READ);  // a missing file makes a new shortcut
  if (!target.empty()) {
    link.link->SetPath(target.c_str());
    link.link->SetWorkingDirectory(RemoveTrailingBackslash(FolderOf(target)).c_str());
  }
  if (!description.empty()) link.link->SetDescription(description.c_str());
  if (!iconFile.empty()) link.link->SetIconLocation(iconFile.c_str(), iconIndex);
  return SUCCEEDED(link.file->Save(widePath.c_str(), TRUE));
}

bool SetShortcutIconLocation(const std::string& shortcut, const std::string& iconFile,
                             int iconIndex) {
  // A read-only shortcut stays as it is even where the file system would let the owner write.
  const DWORD attributes = GetFileAttributesA(shortcut.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return false;
  }
  ComScope com;
  ShellLink link;
  if (!CreateShellLink(link)) return false;
  const std::wstring widePath = Widen(shortcut);
  if (FAILED(link.file->Load(widePath.c_str(), STGM_READ))) return false;
  if (FAILED(link.link->SetIconLocation(iconFile.c_str(), iconIndex))) return false;
  return SUCCEEDED(link.file->Save(widePath.c_str(), TRUE));
}

bool ShellOpen(const std::string& fileOrAddress, const std::string& parameters) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.lpVerb = "Open";
  info.lpFile = fileOrAddress.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  std::string directory;
  if (fileOrAddress.find('\\') != std::string::npos) {
    directory = RemoveTrailingBackslash(FolderOf(fileOrAddress));
    info.lpDirectory = directory.c_str();
  }
  return ShellExecuteExA(&info) != FALSE;
}

bool ShowFileProperties(const std::string& path) {
  // Through the file's context menu, as Explorer shows it: not every shell knows the
  // "properties" verb of ShellExecuteEx, but every one has the menu's Properties command.
  const ComScope com;
  ComPtr<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(reinterpret_cast<IShellFolder**>(desktop.out())))) return false;
  auto parse = [](IShellFolder& folder, const std::string& name) -> std::unique_ptr<ITEMIDLIST, ItemListFree> {
    std::wstring wide = Widen(name);
    LPITEMIDLIST list = nullptr;
    if (FAILED(folder.ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &list, nullptr))) list = nullptr;
    return std::unique_ptr<ITEMIDLIST, ItemListFree>(list);
  };
  const auto folderList = parse(*desktop.get(), RemoveTrailingBackslash(FolderOf(path)));
  ComPtr<IShellFolder> folder;
  if (!folderList ||
      FAILED(desktop->BindToObject(folderList.get(), nullptr, IID_IShellFolder, folder.out()))) {
    return false;
  }
  const auto item = parse(*folder.get(), FileName(path));
  LPCITEMIDLIST items[] = {item.get()};
  ComPtr<IContextMenu> menu;
  if (!item || FAILED(folder->GetUIObjectOf(nullptr, 1, items, IID_IContextMenu, nullptr, menu.out()))) return false;
  const UniqueMenu popup(CreatePopupMenu());
  menu->QueryContextMenu(popup.get(), 0, 1, 0x7FFF, CMF_NORMAL);
  CMINVOKECOMMANDINFO command{};
  command.cbSize = sizeof command;
  command.lpVerb = "properties";
  command.nShow = SW_SHOWNORMAL;
  return SUCCEEDED(menu->InvokeCommand(&command));
}

int DeleteWithShell(const std::string& path, unsigned flags) {
  // Both path lists end in two NULs; an empty destination likewise.
  std::vector<char> from(path.begin(), path.end());
  from.push_back('\0');
  from.push_back('\0');
  const char to[2] = {'\0', '\0'};
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.data();
  operation.pTo = to;
  operation.fFlags = static_cast<FILEOP_FLAGS>((flags == 0 ? FOF_SILENT : flags) |
                                               FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR |
                                               FOF_NOERRORUI);
  return SHFileOperationA(&operation);
}

}  // namespace gd
