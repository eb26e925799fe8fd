// Applying and restoring on the real registry, profile files and shortcuts: the XP fixture is
// copied into this process's scratch registry roots, and every written place is read back with
// the platform's own calls rather than through the program's wrappers.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/com.h"
#include "platform/ini_win32.h"
#include "platform/registry_win32.h"
#include "support/reg_file.h"
#include "support/scratch_folder.h"
#include "support/scratch_roots_win32.h"
#include "support/scripted_prompt.h"
#include "system/apply.h"
#include "system/restore.h"
#include "system/system_effects_win32.h"

#include "../catalogue/version_fixture.h"

namespace gd::test {
namespace {

constexpr const char* kBinKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CLSID\\"
    "{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";

std::string RegText(HKEY root, const std::string& key, const char* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return "(no key)";
  char data[512] = {};
  DWORD size = sizeof data - 1;
  const LONG error =
      RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(opened);
  return error == ERROR_SUCCESS ? std::string(data) : "(no value)";
}

std::string ProfileText(const std::string& file, const char* section, const char* key) {
  char data[400] = {};
  GetPrivateProfileStringA(section, key, "(none)", data, sizeof data, file.c_str());
  return data;
}

bool MakeShortcut(const std::string& path, const std::string& target, const std::string& icon) {
  ComScope com;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.out())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.out()))) {
    return false;
  }
  link->SetPath(target.c_str());
  link->SetIconLocation(icon.c_str(), 2);
  const std::wstring wide(path.begin(), path.end());
  return SUCCEEDED(file->Save(wide.c_str(), TRUE));
}

std::string ShortcutIcon(const std::string& path) {
  ComScope com;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              link.out())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.out()))) {
    return "(no shell link)";
  }
  const std::wstring wide(path.begin(), path.end());
  if (FAILED(file->Load(wide.c_str(), STGM_READ))) return "(not loaded)";
  char icon[MAX_PATH] = {};
  int index = 0;
  link->GetIconLocation(icon, sizeof icon, &index);
  return std::string(icon) + "," + std::to_string(index);
}

TEST(ApplyOnWindows, XpMachineTakesThePackageAndGetsItsDefaultsBack) {
  ScratchRegistryRoots roots;
  ASSERT_TRUE(roots.ok());
  ScratchFolder scratch;
  MemoryRegistry memory;
  ASSERT_EQ(LoadRegFile(memory, version_test::FixturePath("winxp.reg")), "");
  Win32Registry real;
  memory.CopyTo(real);
  Registry& registry = SystemRegistry();

  const std::string appData = scratch / "AppData";
  const std::string quickLaunch = appData + "\\Microsoft\\Internet Explorer\\Quick Launch";
  CreateDirectoryA(appData.c_str(), nullptr);
  CreateDirectoryA((appData + "\\Microsoft").c_str(), nullptr);
  CreateDirectoryA((appData + "\\Microsoft\\Internet Explorer").c_str(), nullptr);
  CreateDirectoryA(quickLaunch.c_str(), nullptr);
  const std::string shortcut = quickLaunch + "\\Notes.lnk";
  ASSERT_TRUE(MakeShortcut(shortcut, "C:\\windows\\notepad.exe", "C:\\windows\\notepad.exe"));
  registry.WriteRegString(RegRoot::CurrentUser,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                          "AppData", appData);
  const std::string desktopIni = scratch.Write("Folder\\desktop.ini", "");

  FakeShell shell;
  version_test::ShellXp(shell);
  shell.shortcuts[shortcut] = {"C:\\windows\\notepad.exe", "C:\\windows\\notepad.exe", 2};
  ScriptedPrompt prompt;
  RecordingNotice notice;
  CatalogueInputs inputs = version_test::MachineInputs(version_test::kWinXp, registry);
  inputs.appPath = scratch.path();
  auto catalogue = version_test::BuildEverything(
      inputs, CatalogueSystem{registry, SystemIni(), shell, prompt, notice});
  ASSERT_GE(catalogue->AddSlot(2, "Scratch Folder", std::nullopt, desktopIni, "", "", 3,
                               SlotKind::FolderDesktopIni, 0),
            0);

  IconSlot* bin = catalogue->Find(0, "Recycle Bin (empty)");
  IconSlot* arrow = catalogue->Find(6, "Normal Select");
  IconSlot* notes = catalogue->Find(7, "Notes");
  IconSlot* folder = catalogue->Find(2, "Scratch Folder");
  ASSERT_TRUE(bin && arrow && notes && folder);
  const std::string binShown = RegText(HKEY_CURRENT_USER, kBinKey, "");
  catalogue->SetSlotIcon(*bin, "C:\\pack\\bin.ico", 4);
  catalogue->SetSlotIcon(*arrow, "C:\\pack\\arrow.cur", 0);
  catalogue->SetSlotIcon(*notes, "C:\\pack\\notes.ico", 1);
  catalogue->SetSlotIcon(*folder, "C:\\pack\\folder.icl", 6);
  PageState page;
  page.appPath = scratch.path();
  page.packageFile = "C:\\pack\\pack.gdtheme";
  page.pendingChanges = true;
  PageEvents events;
  ApplyToSystem(*catalogue, page, events, SystemEffectsOfWindows(), {});

  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kBinKey, "Empty"), "C:\\pack\\bin.ico,4");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kBinKey, ""), binShown);  // the XP bin shows "full"
  EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE,
                    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons", "31"),
            "C:\\pack\\bin.ico,4");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, "Control Panel\\Cursors", "Arrow"), "C:\\pack\\arrow.cur");
  EXPECT_EQ(ProfileText(desktopIni, ".ShellClassInfo", "IconFile"), "C:\\pack\\folder.icl");
  EXPECT_EQ(ProfileText(desktopIni, ".ShellClassInfo", "IconIndex"), "6");
  EXPECT_EQ(ShortcutIcon(shortcut), "C:\\pack\\notes.ico,1");
  EXPECT_EQ(ProfileText(scratch / "backup.ini", "Quick Launch", "Notes"),
            "C:\\windows\\notepad.exe,2");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, "Software\\Quillmoor\\Glimmerdeck", "Theme"),
            "C:\\pack\\pack.gdtheme");
  EXPECT_TRUE(prompt.requests.empty());

  RestoreAllIcons(*catalogue, page, events, true, false);
  RestoreAllCursors(*catalogue, page, events, true, false);
  ApplyToSystem(*catalogue, page, events, SystemEffectsOfWindows(), {});
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kBinKey, "Empty"),
            MakeIconRef(bin->defaultPath, bin->defaultIndex));
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, "Control Panel\\Cursors", "Arrow"), "");
  EXPECT_EQ(ShortcutIcon(shortcut), "C:\\windows\\notepad.exe,2");
  EXPECT_EQ(ProfileText(desktopIni, ".ShellClassInfo", "IconFile"), folder->defaultPath);
}

// The real effects refuse what they cannot do without leaving traces: no empty shortcut made in
// place of a missing one, a read-only shortcut left as it was, no image from a missing file.
TEST(SystemEffectsOnWindows, RefusalsLeaveThingsAsTheyWere) {
  ScratchFolder scratch;
  SystemEffects& effects = SystemEffectsOfWindows();
  const std::string missing = scratch / "missing.lnk";
  EXPECT_FALSE(effects.SetShortcutIcon(missing, "C:\\pack\\a.ico", 1));
  EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);

  const std::string locked = scratch / "locked.lnk";
  ASSERT_TRUE(MakeShortcut(locked, "C:\\windows\\notepad.exe", "C:\\windows\\notepad.exe"));
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(effects.SetShortcutIcon(locked, "C:\\pack\\a.ico", 1));
  EXPECT_EQ(ShortcutIcon(locked), "C:\\windows\\notepad.exe,2");
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(effects.SetShortcutIcon(locked, "C:\\pack\\a.ico", 1));
  EXPECT_EQ(ShortcutIcon(locked), "C:\\pack\\a.ico,1");

  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_FALSE(effects.ReplaceSystemImage(3, scratch / "none.ico", 0));
  EXPECT_TRUE(effects.ReplaceSystemImage(3, std::string(system) + "\\shell32.dll", 3));
}

}  // namespace
}  // namespace gd::test
