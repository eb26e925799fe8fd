// Recent entries of the File menu.
#include "ui/recent_menu_win32.h"

#include <string>

#include "platform/path_text.h"
#include "ui/resource_ids.h"

namespace gd {
namespace {

// The File menu of the resource: its items up to the separator before "Exit".
constexpr int kResourceItems = 7;
constexpr int kFirstRecentPosition = 6;

void InsertText(HMENU menu, int position, UINT flags, UINT id, const std::string& text) {
  InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | flags, id,
              text.c_str());
}

}  // namespace

void FillRecentEntries(HMENU fileMenu, SettingsStore& settings) {
  for (UINT id = IDM_RECENT_FIRST; id <= IDM_RECENT_LAST; ++id) {
    DeleteMenu(fileMenu, id, MF_BYCOMMAND);
  }
  // What is left beyond the resource's items is the separator after the old entries.
  if (GetMenuItemCount(fileMenu) > kResourceItems) {
    DeleteMenu(fileMenu, kFirstRecentPosition, MF_BYPOSITION);
  }
  int position = kFirstRecentPosition;
  for (int n = 1; n <= kRecentShown; ++n) {
    const std::optional<std::string> package = settings.RecentPackage(n);
    if (!package) continue;
    InsertText(fileMenu, position++, 0, static_cast<UINT>(IDM_RECENT_FIRST + n - 1),
               "&" + std::to_string(n) + " " + FileName(*package));
  }
  if (position == kFirstRecentPosition) {
    InsertText(fileMenu, position++, MF_GRAYED, IDM_RECENT_FIRST, kNoRecentPackages);
  }
  InsertMenuA(fileMenu, static_cast<UINT>(position), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

}  // namespace gd
