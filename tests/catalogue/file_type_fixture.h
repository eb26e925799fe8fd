// A machine for the file-type builder's tests: the in-memory registry, INI files and shell, the
// directories of each Windows version, and per-version set-ups that register the document
// types (extension, class and DefaultIcon) and the programs that a fresh installation has.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/builders.h"
#include "platform/os_version.h"
#include "support/fake_shell.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "support/scripted_prompt.h"

namespace gd::file_type_test {

using test::MemoryRegistry;

constexpr RegRoot kHKCR = RegRoot::ClassesRoot;
constexpr RegRoot kHKCU = RegRoot::CurrentUser;
constexpr RegRoot kHKLM = RegRoot::LocalMachine;

constexpr const char* kAppPath = "C:\\Program Files\\Glimmerdeck";
constexpr const char* kFileIcons = "C:\\Program Files\\Glimmerdeck\\file icons.ini";
constexpr const char* kBackup = "C:\\Program Files\\Glimmerdeck\\backup.ini";
constexpr const char* kShellIcons =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr const char* kProgramKey = "Software\\Quillmoor\\Glimmerdeck";

constexpr std::uint32_t kShell400 = (4u << 16) | 0u;
constexpr std::uint32_t kShell471 = (4u << 16) | 71u;
constexpr std::uint32_t kShell472 = (4u << 16) | 72u;

// The directories of a real installation of each version.
inline CatalogueInputs VersionInputs(int os, bool newShell = true) {
  CatalogueInputs inputs;
  inputs.osVersion = os;
  inputs.newShell = newShell;
  const bool nt = os == os::kWindowsNt4 || os == os::kWindows2000;
  const std::string windows = nt ? "C:\\WINNT" : "C:\\WINDOWS";
  const bool nineX = os >= os::kWindows95 && os <= os::kWindowsMe;
  inputs.paths = PathContext{windows, windows + (nineX ? "\\SYSTEM" : "\\system32"),
                             "C:\\Program Files", os};
  inputs.appPath = kAppPath;
  return inputs;
}

// A text value as the registry stores it, with its final NUL.
inline std::vector<std::uint8_t> TextBytes(std::string_view text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

// An extension and its class, with the class's DefaultIcon when one is given.
inline void RegisterType(MemoryRegistry& registry, std::string_view extension,
                         std::string_view cls, std::string_view defaultIcon = {}) {
  registry.PutText(kHKCR, extension, "", cls);
  if (!defaultIcon.empty()) {
    registry.PutText(kHKCR, std::string(cls) + "\\DefaultIcon", "", defaultIcon);
  }
}

// The types every version from Windows 95 on registers.
inline void RegisterBaseTypes(MemoryRegistry& registry) {
  RegisterType(registry, ".bmp", "Paint.Picture", "%SystemRoot%\\system32\\mspaint.exe,1");
  RegisterType(registry, ".ini", "inifile");
  RegisterType(registry, ".mmm", "MPlayer");
  RegisterType(registry, ".mid", "midfile");
  RegisterType(registry, ".bat", "batfile");
  RegisterType(registry, ".rtf", "rtffile");
  RegisterType(registry, ".txt", "txtfile");
  RegisterType(registry, ".avi", "avifile");
  RegisterType(registry, ".wav", "soundrec");
  RegisterType(registry, ".wri", "wrifile");
}

// What a browser and a media player installation add.
inline void RegisterWebTypes(MemoryRegistry& registry) {
  RegisterType(registry, ".gif", "giffile");
  RegisterType(registry, ".html", "htmlfile");
  RegisterType(registry, ".jpg", "jpegfile");
  RegisterType(registry, ".mpeg", "mpegfile");
}

inline void SetInternetExplorerPath(MemoryRegistry& registry, std::string_view key,
                                    std::string_view path) {
  registry.PutText(kHKLM, key, "Path", path);
}

inline void SetUpXp(MemoryRegistry& registry) {
  RegisterBaseTypes(registry);
  RegisterWebTypes(registry);
  RegisterType(registry, ".bmp", "Paint.Picture", "%SystemRoot%\\System32\\shimgvw.dll,1");
  RegisterType(registry, ".zip", "CompressedFolder");
  registry.Put(kHKLM, "SOFTWARE\\Microsoft\\MediaPlayer", "Installation Directory",
               regtype::kExpandString, TextBytes("%ProgramFiles%\\Windows Media Player"));
  SetInternetExplorerPath(registry, "SOFTWARE\\Microsoft\\IE Setup\\Setup",
                          "C:\\Program Files\\Internet Explorer");
}

inline void SetUpMe(MemoryRegistry& registry) {
  RegisterBaseTypes(registry);
  RegisterWebTypes(registry);
  RegisterType(registry, ".zip", "CompressedFolder");
  registry.PutText(kHKLM, "SOFTWARE\\Microsoft\\MediaPlayer", "Installation Directory",
                   "C:\\Program Files\\Windows Media Player");
  SetInternetExplorerPath(registry, "SOFTWARE\\Microsoft\\IE Setup\\Setup",
                          "C:\\Program Files\\Internet Explorer");
}

inline void SetUp2000(MemoryRegistry& registry) {
  RegisterBaseTypes(registry);
  RegisterWebTypes(registry);
  SetInternetExplorerPath(registry, "SOFTWARE\\Microsoft\\IE Setup\\Setup",
                          "C:\\Program Files\\Internet Explorer");
}

// Windows NT 4.0 with the Internet Explorer 4 update, which records its folder under IE4.
inline void SetUpNt4(MemoryRegistry& registry) {
  RegisterBaseTypes(registry);
  RegisterWebTypes(registry);
  SetInternetExplorerPath(registry, "SOFTWARE\\Microsoft\\IE4\\Setup",
                          "C:\\Program Files\\Plus!\\Microsoft Internet");
}

inline void SetUp98(MemoryRegistry& registry) {
  RegisterBaseTypes(registry);
  RegisterWebTypes(registry);
  SetInternetExplorerPath(registry, "SOFTWARE\\Microsoft\\IE Setup\\Setup",
                          "C:\\Program Files\\Internet Explorer");
}

inline void SetUp95(MemoryRegistry& registry) {
  RegisterBaseTypes(registry);
  RegisterWebTypes(registry);
}

// A zip program of another maker, on systems without compressed folders.
inline void InstallZipProgram(MemoryRegistry& registry) {
  RegisterType(registry, ".zip", "ZipArchive", "C:\\Program Files\\Zipper\\zipper.exe,0");
}

struct ExpectedDefault {
  std::string name;
  std::string path;
  int index;
};

class FileTypeIconsTest : public ::testing::Test {
 protected:
  SlotCatalogue& Build(CatalogueInputs inputs) {
    catalogue = std::make_unique<SlotCatalogue>(
        std::move(inputs), CatalogueSystem{registry, ini, shell, prompt, notice});
    BuildFileTypeIcons(*catalogue);
    return *catalogue;
  }
  SlotCatalogue& Build(int os, std::uint32_t shellVersion = 0,
                       CatalogueView view = CatalogueView::LocalUpdate) {
    CatalogueInputs inputs = VersionInputs(os);
    inputs.shellVersion = shellVersion;
    inputs.view = view;
    return Build(std::move(inputs));
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : catalogue->Entries(category::kFiles)) names.push_back(entry.name);
    return names;
  }
  const IconSlot* Find(std::string_view name) { return catalogue->Find(category::kFiles, name); }

  // Every slot named in the table has that default (and is in the list).
  void ExpectDefaults(const std::vector<ExpectedDefault>& table) {
    for (const auto& expected : table) {
      SCOPED_TRACE(expected.name);
      const IconSlot* slot = Find(expected.name);
      ASSERT_NE(slot, nullptr);
      EXPECT_EQ(slot->defaultPath, expected.path);
      EXPECT_EQ(slot->defaultIndex, expected.index);
    }
  }

  void AddFileTypeSection(const std::string& section) {
    ini.WriteString(kFileIcons, section, std::string("Default"), std::string());
  }

  MemoryRegistry backend;
  Registry registry{backend};
  test::MemoryIni ini;
  test::FakeShell shell;
  test::ScriptedPrompt prompt;
  test::RecordingNotice notice;
  std::unique_ptr<SlotCatalogue> catalogue;
};

inline const std::vector<std::string> kAllBuiltInNames{
    "Bitmap Image",     "Configuration Settings", "Default Icon",      "Default Document",
    "GIF Image",        "Internet Document",      "JPEG Image",        "Media Clip",
    "MIDI Sequence",    "Movie Clip",             "MS-DOS Application", "MS-DOS Batch File",
    "Rich Text Format", "Text Document",          "Video Clip",        "Wave Sound",
    "Write Document",   "Zip File"};

}  // namespace gd::file_type_test
