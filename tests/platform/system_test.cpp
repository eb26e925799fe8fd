// The running system's version code and directories, read through the real platform.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include "platform/files.h"
#include "platform/system_paths.h"
#include "platform/registry_win32.h"

namespace gd {
namespace {

// Runs the probe beside this test under a per-program Windows version and returns the code it
// reports, or -1 when it could not run.
int ProbeVersion(const char* wineVersion) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string probe = self;
  probe = probe.substr(0, probe.find_last_of('\\') + 1) + "os_version_probe.exe";
  const std::string appKey = "Software\\Wine\\AppDefaults\\os_version_probe.exe";
  HKEY key = nullptr;
  RegCreateKeyA(HKEY_CURRENT_USER, appKey.c_str(), &key);
  RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(wineVersion),
                 static_cast<DWORD>(strlen(wineVersion) + 1));
  RegCloseKey(key);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + probe + "\"";
  int code = -1;
  if (CreateProcessA(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, 30000);
    DWORD exitCode = 0;
    if (GetExitCodeProcess(process.hProcess, &exitCode)) code = static_cast<int>(exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  SHDeleteKeyA(HKEY_CURRENT_USER, appKey.c_str());
  return code;
}

TEST(GetOsVersion, NumbersTheVersionTheSystemReports) {
  EXPECT_EQ(ProbeVersion("winxp"), 6);
  EXPECT_EQ(ProbeVersion("win2k"), 5);
  EXPECT_EQ(ProbeVersion("win2003"), 5);
  EXPECT_EQ(ProbeVersion("nt40"), 4);
  EXPECT_EQ(ProbeVersion("vista"), 4);
  EXPECT_EQ(ProbeVersion("win7"), 4);
}

TEST(SystemPaths, DirectoriesExistAndVariablesExpandToThem) {
  const PathContext context = SystemPathContext(SystemRegistry(), 6);
  EXPECT_TRUE(FileExists(context.windowsDir)) << context.windowsDir;
  EXPECT_TRUE(FileExists(context.systemDir)) << context.systemDir;
  EXPECT_NE(context.programFilesDir, "ERROR");
  EXPECT_TRUE(FileExists(context.programFilesDir)) << context.programFilesDir;
  std::string ref = "%SystemRoot%\\system32\\shell32.dll,4";
  EXPECT_EQ(ParseIconRef(ref, "", context), 4);
  EXPECT_TRUE(FileExists(ref)) << ref;
  EXPECT_TRUE(FileExists(ExpandCatalogueVariables("%WinSysPath%\\shell32.dll", context)));
}

}  // namespace
}  // namespace gd
