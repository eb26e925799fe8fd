// Where the folder slots live and which shell icons they default to. The shell moved its
// icon numbering and the per-user class keys between releases, so these answers depend on
// the Windows version, the shell library and the Internet Explorer version.
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/catalogue_inputs.h"
#include "platform/registry.h"

namespace gd::folders {

// A registry root and the key prefix under which class identifiers ("{...}") are appended.
struct ClassPrefix {
  RegRoot root;
  std::string prefix;
};

// The per-user class keys of the shell's own folders (Control Panel up to Web Folders).
ClassPrefix ShellFolderPrefix(const CatalogueInputs& inputs);
// The class keys of the folders that Internet Explorer adds (ActiveX Cache and later).
ClassPrefix BrowserFolderPrefix(const CatalogueInputs& inputs);

// Shell library versions as (major << 16) | minor.
inline constexpr std::uint32_t kShellVersion471 = (4u << 16) | 71u;
inline constexpr std::uint32_t kShellVersion472 = (4u << 16) | 72u;

// shell32.dll icon numbers of the class folders whose icon moved between releases.
int ControlPanelIconIndex(const CatalogueInputs& inputs);
int PrintersIconIndex(const CatalogueInputs& inputs);  // the printers folder before Windows 2000
int FavoritesIconIndex(const CatalogueInputs& inputs);  // the class row (not Windows XP)

// The history folder's icon came from a separate viewer library until the browser took it
// into its own, whose numbering changed again with each release.
struct DefaultIcon {
  std::string file;
  int index = 0;
};
DefaultIcon UrlHistoryIcon(const CatalogueInputs& inputs);

// Registry places the builder consults.
inline constexpr const char* kShellIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
inline constexpr const char* kControlPanelNameSpace =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ControlPanel\\NameSpace\\";
inline constexpr const char* kMyComputerNameSpace =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\MyComputer\\NameSpace\\";
inline constexpr const char* kUserShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

// Class identifiers of the special folders.
namespace clsid {
inline constexpr const char* kControlPanel = "{21EC2020-3AEA-1069-A2DD-08002B30309D}";
inline constexpr const char* kDialUpNt = "{a4d92740-67cd-11cf-96f2-00aa00a11dd9}";
inline constexpr const char* kDialUp9x = "{992CFFA0-F557-101A-88EC-00DD010CCC48}";
inline constexpr const char* kAdminTools = "{D20EA4E1-3957-11d2-A40B-0C5020524153}";
inline constexpr const char* kFonts = "{D20EA4E1-3957-11d2-A40B-0C5020524152}";
inline constexpr const char* kNetworkConnections = "{7007ACC7-3202-11D1-AAD2-00805FC1270E}";
inline constexpr const char* kPrinters = "{2227A280-3AEA-1069-A2DE-08002B30309D}";
inline constexpr const char* kScanners = "{E211B736-43FD-11D1-9EFB-0000F8757FCD}";
inline constexpr const char* kScheduledTasks = "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}";
inline constexpr const char* kWebFolders = "{BDEADF00-C265-11d0-BCED-00A0C90AB50F}";
inline constexpr const char* kActiveXCache = "{88C6C381-2E85-11D0-94DE-444553540000}";
inline constexpr const char* kFavorites = "{1A9BA3A0-143A-11CF-8350-444553540000}";
inline constexpr const char* kUrlHistory = "{FF393560-C2A7-11CF-BFF4-444553540000}";
inline constexpr const char* kSubscriptions = "{F5175861-2688-11d0-9C5E-00AA00A45957}";
}  // namespace clsid

// Special folder numbers of the shell's folder lookup.
namespace special {
inline constexpr int kFavorites = 6;
inline constexpr int kMyMusic = 13;
inline constexpr int kMyPictures = 39;
}  // namespace special

}  // namespace gd::folders
