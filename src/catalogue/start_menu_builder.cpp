// The Start menu's entries: the classic menu's "Shell Icons" replacements on every Windows
// but XP, and XP's own Start menu entries, each left out when a policy or the user's menu
// settings hide it.
#include <array>
#include <string>

#include "catalogue/builders.h"
#include "platform/os_version.h"
#include "platform/path_text.h"
#include "platform/program_identity.h"
#include "settings/settings_store.h"

namespace gd {
namespace {

constexpr Category kList = Category::Start;

constexpr std::string_view kShellIcons =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr std::string_view kAdvanced =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
constexpr std::string_view kPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr std::string_view kExplorerClsid =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\";

constexpr std::string_view kStartMenuNotice =
    "The icons for the WindowsXP Classic Start Menu cannot be changed.\n\nThis is currently a "
    "limitation within the operating system, and not a problem with the Glimmerdeck "
    "application.";

bool Unset(const std::string& text) { return text.empty() || text == kRegTextSentinel; }

struct Placeholder {
  const char* name;
  int index;
};
constexpr std::array<Placeholder, 15> kPlaceholders{{
    {"Internet", 4},
    {"E-mail", 84},
    {"Programs", 9},
    {"Favorites", 10},
    {"Documents", 11},
    {"Settings", 12},
    {"Find", 13},
    {"Help", 14},
    {"Run...", 15},
    {"Log Off...", 16},
    {"Suspend", 17},
    {"Shut Down...", 18},
    {"Settings - Control Panel", 19},
    {"Settings - Printers", 20},
    {"Settings - Taskbar and Start Menu", 85},
}};

class StartMenuBuilder {
 public:
  explicit StartMenuBuilder(SlotCatalogue& catalogue)
      : catalogue_(catalogue),
        registry_(catalogue.system().registry),
        os_(catalogue.inputs().osVersion),
        newShell_(catalogue.inputs().newShell) {}

  void AddPlaceholders() {
    const std::string file = PlaceholderFile(catalogue_);
    for (const auto& placeholder : kPlaceholders) {
      catalogue_.AddSlot(kList, placeholder.name, std::nullopt, "", "", file, placeholder.index,
                         SlotKind::BuiltIn, 0);
    }
  }

  void AddClassicEntries() {
    // Windows ME and 2000 switch some entries in the Start menu's own settings, the others
    // only by policy.
    const bool menuSettings = os_ == Os::WindowsMe || os_ == Os::Windows2000;
    AddShellIcon("Programs", "19");
    if (newShell_ && (menuSettings ? Setting("StartMenuFavorites") == 1
                                   : PolicyByte("NoFavoritesMenu") != 1)) {
      AddShellIcon("Favorites", "43");
    }
    if (!newShell_ || PolicyByte("NoRecentDocsMenu") != 1) AddShellIcon("Documents", "20");
    AddShellIcon("Settings", "21");
    if (Policy("NoFind") != 1) AddShellIcon(menuSettings ? "Search" : "Find", "22");
    AddShellIcon("Help", "23");
    if (os_ == Os::WindowsMe ? Setting("StartMenuRun") != 0 : Policy("NoRun") != 1) {
      AddShellIcon("Run...", "24");
    }
    if (newShell_ && (menuSettings ? Setting("StartMenuLogoff") == 1
                                   : PolicyByte("NoLogOff") != 1)) {
      AddShellIcon("Log Off...", "44");
    }
    if (os_ == Os::Windows95) AddShellIcon("Suspend", "25");
    if (Policy("NoClose") != 1) AddShellIcon("Shut Down...", "27");
    if (Policy("NoSetFolders") != 1) {
      // shell32.dll keeps the settings folders' icons elsewhere than their value names say.
      const auto [controlPanel, printers] = SettingsFolderIndexes();
      AddShellIcon("Settings - Control Panel", "35", "%WinSysPath%\\shell32.dll", controlPanel);
      AddShellIcon("Settings - Printers", "37", "%WinSysPath%\\shell32.dll", printers);
    }
    if (os_ != Os::Windows95 && os_ != Os::WindowsNt4) {
      AddShellIcon("Settings - Taskbar and Start Menu", "39");
    }
  }

  void AddXpEntries() {
    AddClient("Internet", "Software\\Clients\\StartMenuInternet");
    AddClient("E-mail", "Software\\Clients\\Mail");
    if (Setting("Start_ShowHelp") != 0) {
      AddXpObject("Help and Support", "{2559a1f1-21d7-11d4-bdaf-00c04f60b9f0}", 23);
    }
    if (Setting("Start_ShowSearch") != 0) {
      AddXpObject("Search", "{2559a1f0-21d7-11d4-bdaf-00c04f60b9f0}", 22);
    }
    if (Setting("Start_ShowRun") != 0) {
      AddXpObject("Run...", "{2559a1f3-21d7-11d4-bdaf-00c04f60b9f0}", 24);
    }
  }

  // XP's classic Start menu takes no replacement icons; say so until the user says enough.
  void ShowXpNotice() {
    if (catalogue_.inputs().silentStart) return;
    if (!SettingsStore(registry_).IsOn(Flag::NoticeStartMenu)) return;
    PromptRequest request;
    request.text = std::string(kStartMenuNotice);
    request.caption = "Glimmerdeck";
    request.icon = PromptIcon::Information;
    request.buttons = PromptButtons::Ok;
    if (catalogue_.system().notice.Show(request).doNotShowAgain) {
      SettingsStore(registry_).SetFlag(Flag::NoticeStartMenu, false);
    }
  }

 private:
  std::uint32_t Policy(std::string_view name) {
    return registry_.ReadNumber(RegRoot::CurrentUser, kPolicies, name);
  }
  // Some policies are written as binary values by the tools that set them: only their first
  // byte counts.
  std::uint32_t PolicyByte(std::string_view name) {
    std::uint8_t first = 0;
    registry_.ReadRegFirstByte(RegRoot::CurrentUser, kPolicies, name, first);
    return first;
  }
  std::uint32_t Setting(std::string_view name) {
    return registry_.ReadNumber(RegRoot::CurrentUser, kAdvanced, name);
  }

  std::pair<int, int> SettingsFolderIndexes() const {
    switch (os_) {
      case Os::Windows98: return {51, 52};
      case Os::WindowsMe: return {54, 55};
      case Os::Windows2000: return {57, 58};
      default: return {35, 37};
    }
  }

  // A "Shell Icons" entry: the value named by the entry's icon number in shell32.dll.
  void AddShellIcon(std::string_view name, std::string_view value, std::string_view file = "",
                    int index = -1) {
    catalogue_.AddSlot(kList, name, RegRoot::LocalMachine, kShellIcons, value, file, index,
                       SlotKind::RegistryValue, 0);
  }

  void AddXpObject(std::string_view name, std::string_view id, int index) {
    catalogue_.AddSlot(kList, name, RegRoot::CurrentUser, std::string(kExplorerClsid) + std::string(id),
                       "", "%WinSysPath%\\shell32.dll", index, SlotKind::ClsidDefaultIcon, 0);
  }

  // The registered default Internet or mail program: its icon stands in the DefaultIcon key
  // of its client entry, where applying keeps the icon it replaced as "Backup".
  void AddClient(std::string_view name, std::string_view clientsKey) {
    const PathContext& paths = catalogue_.inputs().paths;
    std::string client = registry_.ReadText(RegRoot::CurrentUser, clientsKey, "");
    if (Unset(client)) client = registry_.ReadText(RegRoot::LocalMachine, clientsKey, "");
    if (Unset(client)) return;
    const std::string clientKey = std::string(clientsKey) + "\\" + client;
    auto slot = std::make_unique<IconSlot>();
    slot->kind = SlotKind::RegistryValue;
    slot->rootKey = RegRoot::LocalMachine;
    slot->keyPath = clientKey + "\\DefaultIcon";
    if (slot->keyPath.size() > kMaxSlotPath) return;  // no key of the system is that long

    std::string current = registry_.ReadText(RegRoot::LocalMachine, slot->keyPath, "");
    if (Unset(current)) {
      current = registry_.ReadText(RegRoot::LocalMachine, clientKey + "\\shell\\open\\command", "");
    }
    // An empty command names no file either; the shell's generic icon stands in.
    if (Unset(current)) current = paths.systemDir + "\\shell32.dll,0";
    slot->currentIndex = ParseIconRef(current, "", paths);
    slot->currentPath = current;
    slot->iconPath = slot->currentPath;
    slot->iconIndex = slot->currentIndex;

    std::string backup = registry_.ReadText(RegRoot::LocalMachine, slot->keyPath, "Backup");
    if (!Unset(backup)) {
      slot->defaultIndex = ParseIconRef(backup, "", paths);
      slot->defaultPath = backup;
    } else {
      slot->defaultPath = slot->currentPath;
      slot->defaultIndex = slot->currentIndex;
      if (!catalogue_.system().shell.FileExists(slot->currentPath)) {
        std::string library = registry_.ReadText(RegRoot::LocalMachine, clientKey, "DLLPath");
        if (!Unset(library)) {
          ParseIconRef(library, "", paths);
          slot->defaultPath = library;
        }
      }
    }
    catalogue_.Entries(kList).push_back(CatalogueEntry{std::string(name), std::move(slot)});
  }

  SlotCatalogue& catalogue_;
  Registry& registry_;
  Os os_;
  bool newShell_;
};

}  // namespace

void BuildStartMenuIcons(SlotCatalogue& catalogue) {
  if (!catalogue.Entries(kList).empty()) return;
  StartMenuBuilder builder(catalogue);
  if (catalogue.inputs().view == CatalogueView::PackageBuilder) {
    builder.AddPlaceholders();
  } else if (catalogue.inputs().osVersion == Os::WindowsXp) {
    builder.AddXpEntries();
    builder.ShowXpNotice();
  } else {
    builder.AddClassicEntries();
  }
}

}  // namespace gd
