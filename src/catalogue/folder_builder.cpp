// The Folders list: the plain folder icons of the shell, the user's media folders (icons in a
// desktop.ini inside the folder) and the special shell folders that are installed.
#include <string>
#include <string_view>

#include "catalogue/builders.h"
#include "catalogue/folder_table.h"
#include "platform/os_version.h"

namespace gd {
namespace {

using folders::ClassPrefix;

constexpr Category kList = Category::Folders;

class FolderBuilder {
 public:
  explicit FolderBuilder(SlotCatalogue& catalogue)
      : catalogue_(catalogue),
        inputs_(catalogue.inputs()),
        registry_(catalogue.system().registry),
        shell_(catalogue.system().shell),
        os_(catalogue.inputs().osVersion) {}

  void AddLocalSlots() {
    AddShellIcon("Closed Folder", "3", 3);
    AddShellIcon("Open Folder", "4", 4);
    AddShellIcon("Program Group", "36", 36);
    if (os_ == Os::WindowsNt4) {
      AddShellIcon("Users Program Group", "42", inputs_.newShell ? 42 : 43);
    }

    if (os_ != Os::WindowsMe) {
      AddSpecialFolder("My Music", folders::special::kMyMusic, "%WinSysPath%\\shell32.dll", 128);
    }
    AddSpecialFolder("My Pictures", folders::special::kMyPictures, "%WinSysPath%\\mydocs.dll", 1);
    if (os_ == Os::WindowsXp) AddMyVideos();

    const ClassPrefix shellFolders = folders::ShellFolderPrefix(inputs_);
    AddClass("Control Panel", shellFolders, folders::clsid::kControlPanel,
             "%WinSysPath%\\shell32.dll", folders::ControlPanelIconIndex(inputs_));

    if (os_ == Os::WindowsNt4) {
      if (InMyComputer(folders::clsid::kDialUpNt)) {
        AddClass("Dial-Up Networking", shellFolders, folders::clsid::kDialUpNt,
                 "%WinSysPath%\\rasshell.dll", 0);
      }
    } else if (IsNineX()) {
      if (InMyComputer(folders::clsid::kDialUp9x)) {
        AddClass("Dial-Up Networking", shellFolders, folders::clsid::kDialUp9x,
                 "%WinSysPath%\\shell32.dll", 33);
      }
    }

    // The Control Panel items of the later systems are always changed for the user.
    const ClassPrefix userFolders{RegRoot::CurrentUser, shellFolders.prefix};
    const bool modernNt = os_ == Os::Windows2000 || os_ == Os::WindowsXp;
    if (modernNt) {
      if (InControlPanel(folders::clsid::kAdminTools)) {
        AddClass("Administrative Tools", userFolders, folders::clsid::kAdminTools,
                 "%WinSysPath%\\main.cpl", 10);
      }
      if (InControlPanel(folders::clsid::kFonts)) {
        AddClass("Fonts", userFolders, folders::clsid::kFonts, "%WinSysPath%\\main.cpl", 9);
      }
      if (InControlPanel(folders::clsid::kNetworkConnections)) {
        AddClass(os_ == Os::WindowsXp ? "Network Connections" : "Network and Dial-up Connections",
                 userFolders, folders::clsid::kNetworkConnections, "%WinSysPath%\\netshell.dll", 0);
      }
    }

    if (!modernNt) {
      AddClass("Printers", shellFolders, folders::clsid::kPrinters, "%WinSysPath%\\shell32.dll",
               folders::PrintersIconIndex(inputs_));
    } else if (InControlPanel("Printers")) {
      AddClass(os_ == Os::WindowsXp ? "Printers and Faxes" : "Printers", userFolders,
               folders::clsid::kPrinters, "%WinSysPath%\\shell32.dll",
               folders::PrintersIconIndex(inputs_));
    }

    if ((os_ == Os::WindowsMe || os_ == Os::WindowsXp) &&
        InControlPanel(folders::clsid::kScanners)) {
      AddClass("Scanners && Cameras", userFolders, folders::clsid::kScanners,
               "%WinSysPath%\\wiashext.dll", 0);
    }

    // Scheduled Tasks moved from My Computer into the Control Panel with Windows ME and 2000.
    const bool tasksInControlPanel = os_ == Os::WindowsMe || modernNt;
    if (tasksInControlPanel ? InControlPanel(folders::clsid::kScheduledTasks)
                            : InMyComputer(folders::clsid::kScheduledTasks)) {
      AddClass("Scheduled Tasks", shellFolders, folders::clsid::kScheduledTasks,
               "%WinSysPath%\\mstask.dll", 0);
    }

    if (InMyComputer(folders::clsid::kWebFolders)) {
      AddClass("Web Folders", shellFolders, folders::clsid::kWebFolders, WebFoldersLibrary(), 0);
    }

    const ClassPrefix browserFolders = folders::BrowserFolderPrefix(inputs_);
    if (IsShellFolder(folders::clsid::kActiveXCache)) {
      AddClass("ActiveX Cache", browserFolders, folders::clsid::kActiveXCache,
               "%WinSysPath%\\occache.dll", 0);
    }

    if (os_ == Os::WindowsXp) {
      AddSpecialFolder("Favorites", folders::special::kFavorites, "%WinSysPath%\\shell32.dll", 86);
    } else if ((os_ != Os::WindowsNt4 || inputs_.newShell) &&
               IsShellFolder(folders::clsid::kFavorites)) {
      AddClass("Favorites", browserFolders, folders::clsid::kFavorites,
               "%WinSysPath%\\shell32.dll", folders::FavoritesIconIndex(inputs_));
    }

    if (IsShellFolder(folders::clsid::kUrlHistory)) {
      const folders::DefaultIcon history = folders::UrlHistoryIcon(inputs_);
      AddClass("Url History", browserFolders, folders::clsid::kUrlHistory, history.file,
               history.index);
    }
    if (IsShellFolder(folders::clsid::kSubscriptions)) {
      AddClass("Subscriptions", browserFolders, folders::clsid::kSubscriptions,
               "%WinSysPath%\\webcheck.dll", 0);
    }
  }

  void AddPlaceholders() {
    struct Placeholder {
      const char* name;
      int index;
    };
    static constexpr Placeholder kPlaceholders[] = {
        {"Closed Folder", 21},        {"Open Folder", 22},       {"Program Group", 23},
        {"Users Program Group", 24},  {"My Music", 86},          {"My Pictures", 87},
        {"My Videos", 88},            {"Control Panel", 25},     {"Administrative Tools", 26},
        {"Fonts", 27},                {"Dial-Up Networking", 28}, {"Printers", 29},
        {"Scheduled Tasks", 30},      {"Web Folders", 31},       {"ActiveX Cache", 32},
        {"Favorites", 33},            {"Subscriptions", 34},     {"Url History", 35},
    };
    const std::string file = PlaceholderFile(catalogue_);
    for (const Placeholder& p : kPlaceholders) {
      catalogue_.AddSlot(kList, p.name, std::nullopt, "", "", file, p.index, SlotKind::BuiltIn, 0);
    }
  }

 private:
  bool IsNineX() const {
    return os_ == Os::Windows95 || os_ == Os::Windows98 || os_ == Os::WindowsMe;
  }

  void AddShellIcon(std::string_view name, std::string_view value, int defaultIndex) {
    catalogue_.AddSlot(kList, name, RegRoot::LocalMachine, folders::kShellIconsKey, value, "",
                       defaultIndex, SlotKind::RegistryValue, 0);
  }

  void AddClass(std::string_view name, const ClassPrefix& place, std::string_view clsid,
                std::string_view defaultFile, int defaultIndex) {
    catalogue_.AddSlot(kList, name, place.root, place.prefix + std::string(clsid), "", defaultFile,
                       defaultIndex, SlotKind::ClsidDefaultIcon, 0);
  }

  void AddDesktopIni(std::string_view name, const std::string& folder,
                     std::string_view defaultFile, int defaultIndex) {
    catalogue_.AddSlot(kList, name, std::nullopt, folder + "\\desktop.ini", "", defaultFile,
                       defaultIndex, SlotKind::FolderDesktopIni, 0);
  }

  // A media folder is offered only where the shell knows its path.
  void AddSpecialFolder(std::string_view name, int folder, std::string_view defaultFile,
                        int defaultIndex) {
    const std::optional<std::string> path = shell_.SpecialFolderPath(folder);
    if (!path || path->empty()) return;
    AddDesktopIni(name, *path, defaultFile, defaultIndex);
  }

  // XP's shell offers no folder number for My Videos; its path is in the user's shell folder
  // list, and the folder counts only once the shell has given it a desktop.ini.
  void AddMyVideos() {
    const std::string folder =
        registry_.ReadText(RegRoot::CurrentUser, folders::kUserShellFolders, "My Video");
    if (folder.empty() || folder == kRegTextSentinel) return;
    if (!shell_.FileExists(folder + "\\desktop.ini")) return;
    AddDesktopIni("My Videos", folder, "%WinSysPath%\\shell32.dll", 129);
  }

  // The Web Folders extension is installed with the shared Office files, wherever the system
  // keeps its common files.
  std::string WebFoldersLibrary() {
    std::string common =
        registry_.ReadText(RegRoot::LocalMachine, folders::kCurrentVersionKey, "CommonFilesDir");
    // Without a usable value the system's standard place stands in, rather than a path that
    // begins with the read-failure text or one too long for the slot.
    constexpr std::string_view kLibrary = "\\Microsoft Shared\\Web Folders\\msonsext.dll";
    if (common.empty() || common == kRegTextSentinel ||
        common.size() + kLibrary.size() > kMaxSlotPath) {
      common = "%ProgramFiles%\\Common Files";
    }
    return common + std::string(kLibrary);
  }

  bool InControlPanel(std::string_view item) {
    return KeyExists(RegRoot::LocalMachine,
                     std::string(folders::kControlPanelNameSpace) + std::string(item));
  }
  bool InMyComputer(std::string_view clsid) {
    return KeyExists(RegRoot::LocalMachine,
                     std::string(folders::kMyComputerNameSpace) + std::string(clsid));
  }
  bool IsShellFolder(std::string_view clsid) {
    return KeyExists(RegRoot::ClassesRoot, "CLSID\\" + std::string(clsid) + "\\ShellFolder");
  }
  bool KeyExists(RegRoot root, const std::string& key) {
    return registry_.RegKeyExists(root, key) == 1;
  }

  SlotCatalogue& catalogue_;
  const CatalogueInputs& inputs_;
  Registry& registry_;
  ShellQueries& shell_;
  Os os_;
};

}  // namespace

void BuildFolderIcons(SlotCatalogue& catalogue) {
  if (!catalogue.Entries(kList).empty()) return;
  FolderBuilder builder(catalogue);
  if (catalogue.inputs().view == CatalogueView::PackageBuilder) {
    builder.AddPlaceholders();
  } else {
    builder.AddLocalSlots();
  }
  // Applications that put their own object into My Computer bring their folder slot along.
  if (ExtraSlotSource* extra = catalogue.system().extraSlots) {
    extra->AddSlots(catalogue, ExtraSlotPlace::MyComputer, kList);
  }
}

}  // namespace gd
