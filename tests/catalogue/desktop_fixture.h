// Registry set-ups of the desktop objects as each Windows version installs them.
#pragma once

#include <string>

#include "plugins_fixture.h"

namespace gd {
namespace {

constexpr const char* kMyComputerId = "{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
constexpr const char* kMyDocumentsId = "{450D8FBA-AD25-11D0-98A8-0800361B1103}";
constexpr const char* kNetworkId = "{208D2C60-3AEA-1069-A2D7-08002B30309D}";
constexpr const char* kInternetId = "{871C5380-42A0-1069-A2EA-08002B30309D}";
constexpr const char* kInternetOldId = "{FBF23B42-E3F0-101B-8488-00AA003E56F8}";
constexpr const char* kOutlookId = "{00020D75-0000-0000-C000-000000000046}";
constexpr const char* kInboxId = "{00020D76-0000-0000-C000-000000000046}";
constexpr const char* kBriefcaseId = "{85BBD920-42A0-1069-A2E4-08002B30309D}";
constexpr const char* kRecycleBinId = "{645FF040-5081-101B-9F08-00AA002F954E}";

inline std::string Cr(const std::string& id) { return "CLSID\\" + id; }
inline std::string Uc(const std::string& id) { return "Software\\Classes\\CLSID\\" + id; }
inline std::string Ue(const std::string& id) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\" + id;
}
inline std::string Ns(const std::string& id) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Desktop\\NameSpace\\" + id;
}

class DesktopFixture : public ShellCatalogueFixture {
 protected:
  void Key(RegRoot root, const std::string& key) { backend.PutText(root, key, "", ""); }

  void InstallBriefcase() {
    Key(kHkcu, "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Briefcase");
  }
  void InstallIeSetup(const std::string& path) {
    backend.PutText(kHklm, "SOFTWARE\\Microsoft\\IE Setup\\Setup", "Path", path);
  }

  // Windows 95 as shipped: the old shell, the first browser's object on the desktop.
  void SetUp95() { Key(kHklm, Ns(kInternetOldId)); }
  // Windows 98: a new shell, My Documents, Internet Explorer 5 and the Briefcase.
  void SetUp98() {
    ieVersion = "5.00.2614.3500";
    Key(kHkcu, Uc(kMyDocumentsId));
    Key(kHklm, Ns(kInternetId));
    InstallIeSetup("C:\\Program Files\\Internet Explorer\\");
    InstallBriefcase();
  }
  // NT 4.0 as shipped: the old shell, the old browser object, Windows Messaging.
  void SetUpNt4() {
    Key(kHklm, Ns(kInternetOldId));
    Key(kHklm, Ns(kInboxId));
  }
  // Windows ME, 2000 and XP: everything on the desktop, browser setup recorded.
  void SetUpCurrent() {
    ieVersion = "6.0.2900.2180";
    InstallIeSetup("C:\\Program Files\\Internet Explorer");
  }

  std::vector<std::string> Build(int osVersion, bool newShell = true) {
    Make(osVersion, newShell);
    BuildDesktopIcons(catalogue());
    return Names(category::kDesktop);
  }
  const IconSlot& Desktop(const std::string& name) { return Slot(category::kDesktop, name); }
};

}  // namespace
}  // namespace gd
