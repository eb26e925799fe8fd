// The desktop objects: My Computer, My Documents, the network object, Internet Explorer, the
// mail object, My Briefcase and the Recycle Bin, each at the place its Windows version keeps
// its icon.
#include <string>

#include "catalogue/builders.h"
#include "platform/os_version.h"
#include "platform/path_text.h"
#include "platform/text_case.h"

namespace gd {
namespace {

constexpr Category kList = Category::Desktop;

constexpr std::string_view kMyComputer = "{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
constexpr std::string_view kMyDocuments = "{450D8FBA-AD25-11D0-98A8-0800361B1103}";
constexpr std::string_view kNetwork = "{208D2C60-3AEA-1069-A2D7-08002B30309D}";
constexpr std::string_view kInternet = "{871C5380-42A0-1069-A2EA-08002B30309D}";
constexpr std::string_view kInternetOld = "{FBF23B42-E3F0-101B-8488-00AA003E56F8}";
constexpr std::string_view kOutlook = "{00020D75-0000-0000-C000-000000000046}";
constexpr std::string_view kInbox = "{00020D76-0000-0000-C000-000000000046}";
constexpr std::string_view kBriefcase = "{85BBD920-42A0-1069-A2E4-08002B30309D}";
constexpr std::string_view kRecycleBin = "{645FF040-5081-101B-9F08-00AA002F954E}";

constexpr std::string_view kIeSetup = "SOFTWARE\\Microsoft\\IE Setup\\Setup";
constexpr std::string_view kIe4Setup = "SOFTWARE\\Microsoft\\IE4\\Setup";
constexpr std::string_view kBriefcaseApplet =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Briefcase";

// Attributes of a ShellFolder key that say the object is not on the desktop.
constexpr std::uint32_t kMyDocumentsHidden = 0xF0500174;
constexpr std::uint32_t kInternetHidden = 0x00100024;
constexpr std::uint32_t kInternetRemoved = 0x00100000;

// The four places a desktop object's class can stand: the machine's classes, the user's
// classes, Explorer's per-user copy, and the desktop's namespace list.
std::string ClassesRootKey(std::string_view id) { return "CLSID\\" + std::string(id); }
std::string UserClassesKey(std::string_view id) {
  return "Software\\Classes\\CLSID\\" + std::string(id);
}
std::string UserExplorerKey(std::string_view id) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\" + std::string(id);
}
std::string NameSpaceKey(std::string_view id) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Desktop\\NameSpace\\" +
         std::string(id);
}

bool Unset(const std::string& text) { return text.empty() || text == kRegTextSentinel; }

struct Default {
  std::string file;
  int index = 0;
};

class DesktopBuilder {
 public:
  explicit DesktopBuilder(SlotCatalogue& catalogue)
      : catalogue_(catalogue),
        registry_(catalogue.system().registry),
        os_(catalogue.inputs().osVersion),
        newShell_(catalogue.inputs().newShell) {}

  void AddPlaceholders() {
    const std::string file = PlaceholderFile(catalogue_);
    int index = 1;
    for (const char* name : {"My Documents", "My Computer", "Network Neighborhood",
                             "Internet Explorer", "In Box", "My Briefcase",
                             "Recycle Bin (empty)", "Recycle Bin (full)"}) {
      catalogue_.AddSlot(kList, name, std::nullopt, "", "", file, index++, SlotKind::BuiltIn, 0);
    }
  }

  void AddLocalSlots() {
    if (os_ == Os::WindowsMe || os_ == Os::Windows2000 || os_ == Os::WindowsXp) {
      AddCurrentObjects();
    } else {
      AddClassicObjects();
    }
    AddMailObject();
    if (registry_.RegKeyExists(RegRoot::CurrentUser, kBriefcaseApplet)) {
      Add("My Briefcase", RegRoot::ClassesRoot, ClassesRootKey(kBriefcase), "",
          {"%WinSysPath%\\syncui.dll", 0});
    }
    AddRecycleBin();
  }

 private:
  void Add(std::string_view name, RegRoot root, const std::string& key, std::string_view value,
           const Default& fallback) {
    catalogue_.AddSlot(kList, name, root, key, value, fallback.file, fallback.index,
                       SlotKind::ClsidDefaultIcon, 0);
  }

  // Windows 95, 98, NT 4.0 and unknown systems: the objects live under the user's classes
  // once a newer shell is installed, under the machine's classes before.
  void AddClassicObjects() {
    const auto place = [&](std::string_view id) {
      return newShell_ ? std::pair{RegRoot::CurrentUser, UserClassesKey(id)}
                       : std::pair{RegRoot::ClassesRoot, ClassesRootKey(id)};
    };
    const auto [computerRoot, computerKey] = place(kMyComputer);
    Add("My Computer", computerRoot, computerKey, "", {"%WinPath%\\explorer.exe", 0});
    // Windows 95 has no My Documents object; on the others it exists once installed.
    if (os_ != Os::Windows95 &&
        registry_.RegKeyExists(RegRoot::CurrentUser, UserClassesKey(kMyDocuments))) {
      Add("My Documents", RegRoot::CurrentUser, UserClassesKey(kMyDocuments), "",
          {"%WinSysPath%\\mydocs.dll", 0});
    }
    const auto [networkRoot, networkKey] = place(kNetwork);
    Add("Network Neighborhood", networkRoot, networkKey, "", {"", 17});
    AddClassicInternetExplorer();
  }

  void AddClassicInternetExplorer() {
    if (!newShell_) {
      if (!registry_.RegKeyExists(RegRoot::LocalMachine, NameSpaceKey(kInternetOld))) return;
      Default fallback{"%WinSysPath%\\mshtml.dll", 0};
      if (os_ == Os::WindowsNt4 &&
          !catalogue_.system().shell.FileExists(catalogue_.inputs().paths.systemDir +
                                                "\\mshtml.dll")) {
        fallback.file = InternetExplorerProgram(true);
      }
      Add("Internet Explorer", RegRoot::ClassesRoot, ClassesRootKey(kInternetOld), "", fallback);
      return;
    }
    const std::uint32_t attributes = registry_.ReadNumber(
        RegRoot::ClassesRoot, ClassesRootKey(kInternet) + "\\ShellFolder", "Attributes");
    const std::string& version = catalogue_.inputs().ieVersion;
    if (!version.empty() && (version.front() == '5' || version.front() == '6')) {
      if (attributes == kInternetRemoved || attributes == kInternetHidden) return;
      Add("Internet Explorer", RegRoot::CurrentUser, UserClassesKey(kInternet), "",
          {InternetExplorerProgram(false), 0});
      return;
    }
    if (attributes == 0x16 || attributes == 0x22 ||
        registry_.RegKeyExists(RegRoot::LocalMachine, NameSpaceKey(kInternet))) {
      Add("Internet Explorer", RegRoot::CurrentUser, UserClassesKey(kInternet), "",
          {"%WinSysPath%\\mshtml.dll", 0});
    }
  }

  // "<setup folder>\iexplore.exe". NT 4.0 may still have the IE4 setup key, and with only
  // the Plus! pack installed the browser sits in its folder.
  std::string InternetExplorerProgram(bool nt4Search) {
    std::string folder;
    if (nt4Search) folder = registry_.ReadText(RegRoot::LocalMachine, kIe4Setup, "Path");
    if (Unset(folder)) folder = registry_.ReadText(RegRoot::LocalMachine, kIeSetup, "Path");
    if (Unset(folder) && nt4Search && os_ == Os::WindowsNt4) {
      folder = "%ProgramFiles%\\Plus!\\Microsoft Internet";
    }
    // No setup key names the browser's folder: its usual place under Program Files is the
    // best guess left.
    if (Unset(folder)) folder = "%ProgramFiles%\\Internet Explorer";
    return RemoveTrailingBackslash(folder) + "\\iexplore.exe";
  }

  // Windows ME, 2000 and XP: the objects live under Explorer's per-user keys (the user's
  // classes on ME), and the user may have taken My Documents and Internet Explorer off the
  // desktop.
  void AddCurrentObjects() {
    const bool me = os_ == Os::WindowsMe;
    const auto place = [&](std::string_view id) {
      return me ? UserClassesKey(id) : UserExplorerKey(id);
    };
    const auto hiddenAs = [&](std::string_view id, std::uint32_t hidden) {
      return registry_.ReadNumber(RegRoot::CurrentUser, place(id) + "\\ShellFolder",
                                  "Attributes") == hidden;
    };
    if (!hiddenAs(kMyDocuments, kMyDocumentsHidden)) {
      Add("My Documents", RegRoot::CurrentUser, UserExplorerKey(kMyDocuments), "",
          {"%WinSysPath%\\mydocs.dll", 0});
    }
    Add("My Computer", RegRoot::CurrentUser, place(kMyComputer), "",
        {"%WinPath%\\explorer.exe", 0});
    Add("My Network Places", RegRoot::CurrentUser, place(kNetwork), "",
        {"%WinSysPath%\\shell32.dll", 17});
    if (!hiddenAs(kInternet, kInternetHidden)) {
      Add("Internet Explorer", RegRoot::CurrentUser, place(kInternet), "",
          {InternetExplorerProgram(false), 0});
    }
  }

  Default MailProgram() {
    const CatalogueInputs& inputs = catalogue_.inputs();
    if (os_ == Os::WindowsNt4) {
      const std::string exchange =
          inputs.paths.programFilesDir + "\\Windows NT\\Windows Messaging\\exchng32.exe";
      if (catalogue_.system().shell.FileExists(exchange)) return {exchange, 0};
      return {"%ProgramFiles%\\Windows NT\\Windows Messaging\\mlset32.exe", 0};
    }
    if (newShell_) return {"%WinSysPath%\\cool.dll", 30};
    return {"%ProgramFiles%\\Microsoft Exchange\\Mlset32.exe", 3};
  }

  // The desktop's mail object: Outlook when it owns the object's open command, otherwise the
  // system's own In Box.
  void AddMailObject() {
    const bool outlookObject =
        registry_.RegKeyExists(RegRoot::LocalMachine, NameSpaceKey(kOutlook)) != 0;
    if (outlookObject) {
      const std::string command = registry_.ReadText(
          RegRoot::ClassesRoot, ClassesRootKey(kOutlook) + "\\Shell\\Open\\Command", "");
      if (FoldCase(command).find("\\outlook.exe") != std::string::npos) {
        Add("Microsoft Outlook", RegRoot::ClassesRoot, ClassesRootKey(kOutlook), "",
            {OutlookProgram(), 7});
      } else {
        Add("In Box", RegRoot::ClassesRoot, ClassesRootKey(kOutlook), "", MailProgram());
      }
    } else if (registry_.RegKeyExists(RegRoot::LocalMachine, NameSpaceKey(kInbox))) {
      Add("In Box", RegRoot::ClassesRoot, ClassesRootKey(kInbox), "", MailProgram());
    }
  }

  std::string OutlookProgram() {
    std::string root = registry_.ReadText(
        RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Office\\10.0\\Common\\InstallRoot", "Path");
    if (Unset(root)) {
      root = registry_.ReadText(RegRoot::LocalMachine,
                                "SOFTWARE\\Microsoft\\Office\\9.0\\Common\\InstallRoot", "Path");
    }
    // Without an Office install root, Office's usual folder is the best guess left.
    if (Unset(root)) root = "%ProgramFiles%\\Microsoft Office\\Office";
    return AddTrailingBackslash(root) + "outlook.exe";
  }

  void AddRecycleBin() {
    RegRoot root = RegRoot::ClassesRoot;
    std::string key = ClassesRootKey(kRecycleBin);
    if (newShell_) {
      root = RegRoot::CurrentUser;
      key = (os_ == Os::Windows2000 || os_ == Os::WindowsXp) ? UserExplorerKey(kRecycleBin)
                                                                : UserClassesKey(kRecycleBin);
    }
    Add("Recycle Bin (empty)", root, key, "Empty", {"", 31});
    Add("Recycle Bin (full)", root, key, "Full", {"", 32});
  }

  SlotCatalogue& catalogue_;
  Registry& registry_;
  Os os_;
  bool newShell_;
};

}  // namespace

void BuildDesktopIcons(SlotCatalogue& catalogue) {
  if (!catalogue.Entries(kList).empty()) return;
  DesktopBuilder builder(catalogue);
  if (catalogue.inputs().view == CatalogueView::PackageBuilder) {
    builder.AddPlaceholders();
  } else {
    builder.AddLocalSlots();
  }
  // Applications that put their own object on the desktop bring their slot along.
  if (ExtraSlotSource* extra = catalogue.system().extraSlots) {
    extra->AddSlots(catalogue, ExtraSlotPlace::Desktop, kList);
  }
}

}  // namespace gd
