// Registry set-ups of the Start menu: the policies and menu settings that hide entries, and
// XP's registered Internet and mail programs.
#pragma once

#include <string>

#include "plugins_fixture.h"

namespace gd {
namespace {

constexpr const char* kShellIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr const char* kAdvancedKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
constexpr const char* kPoliciesKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kInternetClients = "Software\\Clients\\StartMenuInternet";
constexpr const char* kMailClients = "Software\\Clients\\Mail";

class StartMenuFixture : public ShellCatalogueFixture {
 protected:
  void Policy(const std::string& name, std::uint32_t value) {
    backend.PutNumber(kHkcu, kPoliciesKey, name, value);
  }
  // Policies that tools write as four binary bytes.
  void BinaryPolicy(const std::string& name, std::uint8_t first) {
    backend.Put(kHkcu, kPoliciesKey, name, regtype::kBinary, {first, 0, 0, 0});
  }
  void Setting(const std::string& name, std::uint32_t value) {
    backend.PutNumber(kHkcu, kAdvancedKey, name, value);
  }

  // ME and 2000 as set up after installation: Favorites and Log Off switched on in the
  // Start menu settings.
  void SetUpMenuSettings() {
    Setting("StartMenuFavorites", 1);
    Setting("StartMenuLogoff", 1);
  }

  // A registered client program under the machine's clients key, chosen as the default.
  void RegisterClient(const std::string& clientsKey, const std::string& client,
                      const std::string& defaultIcon, const std::string& command) {
    backend.PutText(kHklm, clientsKey, "", client);
    const std::string key = clientsKey + "\\" + client;
    backend.PutText(kHklm, key, "", client);
    if (!defaultIcon.empty()) backend.PutText(kHklm, key + "\\DefaultIcon", "", defaultIcon);
    if (!command.empty()) backend.PutText(kHklm, key + "\\shell\\open\\command", "", command);
  }
  // XP as installed: Internet Explorer and Outlook Express as the default clients.
  void SetUpXp() {
    RegisterClient(kInternetClients, "IEXPLORE.EXE",
                   "C:\\Program Files\\Internet Explorer\\iexplore.exe,-7",
                   "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\"");
    RegisterClient(kMailClients, "Outlook Express",
                   "C:\\Program Files\\Outlook Express\\msimn.exe,-2",
                   "\"C:\\Program Files\\Outlook Express\\msimn.exe\" /mail");
    shell.files.insert("C:\\Program Files\\Internet Explorer\\iexplore.exe");
    shell.files.insert("C:\\Program Files\\Outlook Express\\msimn.exe");
  }

  std::vector<std::string> Build(int osVersion, bool newShell = true, bool silent = false) {
    Make(osVersion, newShell, CatalogueView::LocalUpdate, silent);
    BuildStartMenuIcons(catalogue());
    return Names(category::kStart);
  }
  const IconSlot& Start(const std::string& name) { return Slot(category::kStart, name); }
};

}  // namespace
}  // namespace gd
