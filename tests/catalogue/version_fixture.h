// Whole machines of each Windows version for the catalogue: the registry comes from a .reg
// file in tests/catalogue/fixtures, and what a registry cannot hold (directories, special
// folders, files that exist, Quick Launch shortcuts) is described here. Shared by the native
// test over the in-memory registry and the Windows test that compares it with the real one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/builders.h"
#include "catalogue/slot_catalogue.h"
#include "catalogue/slot_listing.h"
#include "platform/os_version.h"
#include "support/fake_shell.h"

#ifndef GD_VERSION_FIXTURES_DIR
#error "GD_VERSION_FIXTURES_DIR must name the directory of the version .reg files"
#endif

namespace gd::version_test {

using test::FakeShell;

constexpr const char* kAppPath = "C:\\Program Files\\Glimmerdeck";
constexpr std::uint32_t Shell(std::uint32_t major, std::uint32_t minor) {
  return (major << 16) | minor;
}

struct WindowsMachine {
  const char* file;  // the .reg file in the fixture directory
  int osVersion;
  bool newShell;
  std::uint32_t shellVersion;
  const char* windowsDir;
  const char* systemDir;
  void (*setUpShell)(FakeShell& shell);
};

// A .reg file of the fixture directory. Under Wine the Linux directory is reached through
// the drive that maps the Linux root.
inline std::string FixturePath(const std::string& file) {
  std::string path = std::string(GD_VERSION_FIXTURES_DIR) + "/" + file;
#ifdef _WIN32
  if (!path.empty() && path.front() == '/') {
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    path = "Z:" + path;
  }
#endif
  return path;
}

inline void AddShortcut(FakeShell& shell, const std::string& appData, const std::string& file,
                        const std::string& target, const std::string& iconFile = {},
                        int iconIndex = 0) {
  shell.shortcuts[appData + "\\Microsoft\\Internet Explorer\\Quick Launch\\" + file] = {
      target, iconFile, iconIndex};
}

// Windows 95 with its first shell: nothing beyond the registry matters.
inline void Shell95(FakeShell&) {}

inline void Shell98(FakeShell& shell) {
  shell.specialFolders[39] = "C:\\My Documents\\My Pictures";
  const std::string appData = "C:\\WINDOWS\\Application Data";
  AddShortcut(shell, appData, "View Channels.lnk", "C:\\WINDOWS\\SYSTEM\\CHANNELS.SCF",
              "C:\\WINDOWS\\SYSTEM\\shdocvw.dll", 17);
  AddShortcut(shell, appData, "Launch Outlook Express.lnk",
              "C:\\Program Files\\Outlook Express\\MSIMN.EXE");
  AddShortcut(shell, appData, "Launch Internet Explorer Browser.lnk",
              "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
  shell.files.insert(appData + "\\Microsoft\\Internet Explorer\\Quick Launch\\Show Desktop.scf");
}

inline void ShellMe(FakeShell& shell) {
  // ME has a My Music folder, but no slot for it.
  shell.specialFolders[13] = "C:\\My Documents\\My Music";
  shell.specialFolders[39] = "C:\\My Documents\\My Pictures";
  const std::string appData = "C:\\WINDOWS\\Application Data";
  AddShortcut(shell, appData, "Windows Media Player.lnk",
              "C:\\Program Files\\Windows Media Player\\wmplayer.exe",
              "%ProgramFiles%\\Windows Media Player\\wmplayer.exe", 0);
  AddShortcut(shell, appData, "Launch Internet Explorer Browser.lnk",
              "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
}

// NT 4.0 as shipped: Windows Messaging installed, no HTML library of a later browser.
inline void ShellNt4(FakeShell& shell) {
  shell.files.insert("C:\\Program Files\\Windows NT\\Windows Messaging\\exchng32.exe");
}

// NT 4.0 with the browser's Desktop Update; Windows Messaging was not installed.
inline void ShellNt4NewShell(FakeShell& shell) {
  shell.files.insert("C:\\WINNT\\system32\\mshtml.dll");
  const std::string appData = "C:\\WINNT\\Profiles\\Ann\\Application Data";
  AddShortcut(shell, appData, "View Channels.lnk", "C:\\WINNT\\System32\\CHANNELS.SCF",
              "C:\\WINNT\\System32\\shdocvw.dll", 17);
  AddShortcut(shell, appData, "Launch Internet Explorer Browser.lnk",
              "C:\\Program Files\\Plus!\\Microsoft Internet\\IEXPLORE.EXE");
  shell.files.insert(appData + "\\Microsoft\\Internet Explorer\\Quick Launch\\Show Desktop.scf");
}

inline void Shell2000(FakeShell& shell) {
  shell.files.insert("C:\\WINNT\\system32\\mshtml.dll");
  shell.specialFolders[39] = "C:\\Documents and Settings\\Ann\\My Documents\\My Pictures";
  const std::string appData = "C:\\Documents and Settings\\Ann\\Application Data";
  AddShortcut(shell, appData, "Launch Outlook Express.lnk",
              "C:\\Program Files\\Outlook Express\\msimn.exe");
  AddShortcut(shell, appData, "Launch Internet Explorer Browser.lnk",
              "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
}

inline void ShellXp(FakeShell& shell) {
  shell.files.insert("C:\\WINDOWS\\system32\\mshtml.dll");
  shell.files.insert("C:\\Program Files\\Microsoft Office\\Office10\\OUTLOOK.EXE");
  shell.files.insert("C:\\Documents and Settings\\Ann\\My Documents\\My Videos\\desktop.ini");
  shell.specialFolders[6] = "C:\\Documents and Settings\\Ann\\Favorites";
  shell.specialFolders[13] = "C:\\Documents and Settings\\Ann\\My Documents\\My Music";
  shell.specialFolders[39] = "C:\\Documents and Settings\\Ann\\My Documents\\My Pictures";
  const std::string appData = "C:\\Documents and Settings\\Ann\\Application Data";
  AddShortcut(shell, appData, "Windows Media Player.lnk",
              "C:\\Program Files\\Windows Media Player\\wmplayer.exe",
              "%ProgramFiles%\\Windows Media Player\\wmplayer.exe", 0);
  AddShortcut(shell, appData, "Launch Internet Explorer Browser.lnk",
              "C:\\Program Files\\Internet Explorer\\iexplore.exe");
  shell.files.insert(appData + "\\Microsoft\\Internet Explorer\\Quick Launch\\Show desktop.scf");
}

inline const WindowsMachine kWin95{"win95.reg", os::kWindows95, false, Shell(4, 0),
                                   "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", Shell95};
inline const WindowsMachine kWin98{"win98.reg", os::kWindows98, true, Shell(4, 72),
                                   "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", Shell98};
inline const WindowsMachine kWinMe{"winme.reg", os::kWindowsMe, true, Shell(5, 50),
                                   "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", ShellMe};
inline const WindowsMachine kNt4{"nt4.reg", os::kWindowsNt4, false, Shell(4, 0),
                                 "C:\\WINNT", "C:\\WINNT\\system32", ShellNt4};
inline const WindowsMachine kNt4NewShell{"nt4-newshell.reg", os::kWindowsNt4, true, Shell(4, 71),
                                         "C:\\WINNT", "C:\\WINNT\\system32", ShellNt4NewShell};
inline const WindowsMachine kWin2000{"win2000.reg", os::kWindows2000, true, Shell(5, 0),
                                     "C:\\WINNT", "C:\\WINNT\\system32", Shell2000};
inline const WindowsMachine kWinXp{"winxp.reg", os::kWindowsXp, true, Shell(6, 0),
                                   "C:\\WINDOWS", "C:\\WINDOWS\\system32", ShellXp};

inline const std::vector<WindowsMachine>& AllMachines() {
  static const std::vector<WindowsMachine> machines{kWin95,  kWin98,       kWinMe, kNt4,
                                                    kNt4NewShell, kWin2000, kWinXp};
  return machines;
}

// The inputs as the program computes them at start: the version and shell from the machine,
// the browser version and program files directory from its registry.
inline CatalogueInputs MachineInputs(const WindowsMachine& machine, Registry& registry) {
  CatalogueInputs inputs;
  inputs.osVersion = machine.osVersion;
  inputs.newShell = machine.newShell;
  inputs.shellVersion = machine.shellVersion;
  inputs.ieVersion = registry
                         .ReadText(RegRoot::LocalMachine,
                                   "SOFTWARE\\Microsoft\\Internet Explorer", "Version")
                         .substr(0, 20);
  inputs.paths = PathContext{
      machine.windowsDir, machine.systemDir,
      registry.ReadText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                        "ProgramFilesDir"),
      machine.osVersion};
  inputs.appPath = kAppPath;
  return inputs;
}

// Every category as loading a package builds them (drives shared, cursors included), and the
// Quick Launch list.
inline std::unique_ptr<SlotCatalogue> BuildEverything(const CatalogueInputs& inputs,
                                                      const CatalogueSystem& system) {
  auto catalogue = std::make_unique<SlotCatalogue>(inputs, system);
  InstallBuilders(*catalogue);
  catalogue->BuildAll(true);
  catalogue->BuildCategory(category::kQuickLaunch);
  return catalogue;
}

inline std::vector<std::string> AllSlotLines(const SlotCatalogue& catalogue) {
  std::vector<std::string> lines;
  for (int c = 0; c < kCategoryCount; ++c) {
    for (const CatalogueEntry& entry : catalogue.Entries(c)) lines.push_back(SlotLine(c, entry));
  }
  return lines;
}

}  // namespace gd::version_test
