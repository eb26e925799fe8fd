// Saving real packages under Wine with the program's own save host: the catalogue of the
// prefix itself, and hand-set slots with icon, cursor and animated-cursor files, in all three
// save modes; what was written is read back and compared with the sources image by image.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "catalogue/builders.h"
#include "iconfmt/icon_loader.h"
#include "package/package_format.h"
#include "package/package_saver_win32.h"
#include "package/slot_aliases.h"
#include "platform/files.h"
#include "platform/os_version.h"
#include "platform/system_paths.h"
#include "platform/text_case.h"
#include "platform/ini_win32.h"
#include "platform/registry_win32.h"
#include "support/catalogue_harness.h"
#include "support/scratch_folder.h"

namespace gd {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(std::string& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A 4-bit bitmap image of a square icon, its pixels a pattern of `seed`.
std::string Image(int size, int seed) {
  std::string image;
  for (std::uint32_t field : {40u, std::uint32_t(size), std::uint32_t(2 * size)}) Put(image, field, 4);
  Put(image, 1, 2);
  Put(image, 4, 2);
  for (int i = 0; i < 6; ++i) Put(image, 0, 4);
  for (int i = 0; i < 16; ++i) Put(image, 0x00102030u * static_cast<std::uint32_t>(i), 4);
  const int xorBytes = size * size / 2;
  const int maskBytes = size * ((size + 31) / 32) * 4;
  for (int i = 0; i < xorBytes; ++i) image += static_cast<char>((i * 7 + seed) & 0xFF);
  image.append(static_cast<std::size_t>(maskBytes), '\0');
  return image;
}

// An .ico (type 1) or .cur (type 2, hotspot in place of planes and bit count) file.
std::string IconFileOf(const std::vector<std::string>& images, int type) {
  std::string file;
  Put(file, 0, 2);
  Put(file, static_cast<std::uint32_t>(type), 2);
  Put(file, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (const std::string& image : images) {
    const auto size = static_cast<std::uint8_t>(image[4]);
    file += static_cast<char>(size);
    file += static_cast<char>(size);
    file += static_cast<char>(16);
    file += '\0';
    Put(file, type == 1 ? 1 : 3, 2);
    Put(file, type == 1 ? 4 : 5, 2);
    Put(file, static_cast<std::uint32_t>(image.size()), 4);
    Put(file, offset, 4);
    offset += static_cast<std::uint32_t>(image.size());
  }
  for (const std::string& image : images) file += image;
  return file;
}

// An animated cursor of two frames.
std::string AnimatedCursor() {
  std::string frames = "fram";
  for (int frame = 0; frame < 2; ++frame) {
    const std::string cursor = IconFileOf({Image(32, 60 + frame)}, 2);
    frames += "icon";
    Put(frames, static_cast<std::uint32_t>(cursor.size()), 4);
    frames += cursor;
  }
  std::string header = "anih";
  Put(header, 36, 4);
  for (std::uint32_t field : {36u, 2u, 2u, 0u, 0u, 0u, 0u, 10u, 1u}) Put(header, field, 4);
  std::string body = "ACON" + header + "LIST";
  Put(body, static_cast<std::uint32_t>(frames.size()), 4);
  body += frames;
  std::string riff = "RIFF";
  Put(riff, static_cast<std::uint32_t>(body.size()), 4);
  return riff + body;
}

std::vector<Bytes> ImagesOf(const std::string& path, int index) {
  std::vector<Bytes> images;
  const std::optional<IconFile> file = LoadIcon(path, index);
  if (!file || file->groups.empty()) return images;
  for (const IconImage& image : file->groups.front().images) images.push_back(image.bytes);
  return images;
}

// A library stores each image padded with zeros to its alignment unit, and reads it back so.
bool SameImages(const std::vector<Bytes>& stored, const std::vector<Bytes>& source) {
  if (stored.size() != source.size()) return false;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i].size() < source[i].size() ||
        !std::equal(source[i].begin(), source[i].end(), stored[i].begin()) ||
        std::any_of(stored[i].begin() + static_cast<std::ptrdiff_t>(source[i].size()),
                    stored[i].end(), [](std::uint8_t b) { return b != 0; })) {
      return false;
    }
  }
  return true;
}

// The prefix's shell, except that cursor files count one icon: Wine's ExtractIconA counts
// none in them, where Windows counts the cursor.
class CursorCountingShell final : public ShellQueries {
 public:
  bool FileExists(const std::string& path) override { return real_.FileExists(path); }
  std::optional<std::string> SpecialFolderPath(int folder) override {
    return real_.SpecialFolderPath(folder);
  }
  std::vector<std::string> DriveRoots() override { return real_.DriveRoots(); }
  unsigned DriveType(const std::string& root) override { return real_.DriveType(root); }
  std::string DisplayName(const std::string& path) override { return real_.DisplayName(path); }
  std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern,
                                     bool recurse) override {
    return real_.FindFiles(folder, pattern, recurse);
  }
  bool ReadShortcut(const std::string& shortcut, std::string& target, std::string& iconFile,
                    int& iconIndex) override {
    return real_.ReadShortcut(shortcut, target, iconFile, iconIndex);
  }
  int IconCount(const std::string& file) override {
    const bool cursor = EndsWithIgnoreCase(file, ".cur") || EndsWithIgnoreCase(file, ".ani");
    return cursor && real_.FileExists(file) ? 1 : real_.IconCount(file);
  }

 private:
  ShellQueries& real_ = SystemShell();
};

class NoEvents final : public PageEvents {};

class RealSaveTest : public ::testing::Test, protected test::CatalogueHarness {
 protected:
  RealSaveTest() {
    state.appPath = scratch / "App";
    state.themesDir = state.appPath + "\\Themes";
    CreateDirectoryA(state.appPath.c_str(), nullptr);
    CreateDirectoryA(state.themesDir.c_str(), nullptr);
  }

  // The program's host, with the dialog and the loader recording what they are asked.
  Win32SaveHost Host(const PathContext& paths) {
    return Win32SaveHost(
        nullptr, paths, [this](const std::string& file) { infoShownFor.push_back(file); },
        [this](const std::string& file) { reloaded.push_back(file); });
  }

  // Where a saved value points, and the icon index after its comma (0 without one).
  static std::pair<std::string, int> Stored(const std::string& packageFile,
                                            const std::string& value) {
    const std::size_t comma = value.rfind(',');
    const std::string folder = RemoveTrailingBackslash(PackageDirectory(packageFile));
    return {CompanionFilePath(folder, value.substr(0, comma)).value_or(""),
            comma == std::string::npos ? 0 : std::stoi(value.substr(comma + 1))};
  }

  test::ScratchFolder scratch;
  std::vector<std::string> infoShownFor, reloaded;
  PageState state;
  NoEvents events;
};

// Saving over a package that exists needs no dialog: the new package is built in the scratch
// folder and ends in the Themes folder.
TEST_F(RealSaveTest, ThePrefixCatalogueSavedAsALibraryHoldsTheSameImages) {
  CatalogueInputs inputs;
  inputs.osVersion = GetOsVersion();
  inputs.paths = SystemPathContext(SystemRegistry(), inputs.osVersion);
  inputs.appPath = state.appPath;
  inputs.silentStart = true;
  SlotCatalogue real(inputs, CatalogueSystem{SystemRegistry(), SystemIni(), SystemShell(),
                                             prompt, notice});
  InstallBuilders(real);
  const std::string target = scratch / "Prefix\\Prefix.gdtheme";
  CreateDirectoryA((scratch / "Prefix").c_str(), nullptr);
  // An empty package of that name: saving replaces it, without a dialog.
  WritePrivateProfileStringA("Package Info", "Author", "Wine", target.c_str());
  state.packageFile = target;
  prompt = test::ScriptedPrompt({PromptAnswer::Yes});
  Win32SaveHost host = Host(inputs.paths);
  SavePackage(real, state, events, host, false);

  const std::string saved = state.themesDir + "\\Prefix\\Prefix.gdtheme";
  ASSERT_EQ(reloaded, std::vector<std::string>{saved});
  EXPECT_FALSE(FileExists(state.themesDir + "\\Prefix~"));
  real.BuildAll(true);  // the reload is this test's own: build the lists again to compare
  int entries = 0;
  for (int category = 0; category < 6; ++category) {
    for (const std::string& key : ReadSectionKeys(SystemIni(), saved, std::string(CategorySection(category)))) {
      std::string value;
      ReadIniValue(SystemIni(), std::string(CategorySection(category)), key, value, saved);
      const auto [library, index] = Stored(saved, value);
      ASSERT_EQ(library, state.themesDir + "\\Prefix\\Prefix.icl") << value;
      ++entries;
      std::string name = key;
      TranslateSlotName(name, SlotNameDirection::SystemForm, inputs.osVersion, inputs.view);
      const IconSlot* slot = real.Find(category, name);
      ASSERT_NE(slot, nullptr) << key;
      const std::vector<Bytes> source = ImagesOf(slot->iconPath, slot->iconIndex);
      EXPECT_FALSE(source.empty()) << key;
      EXPECT_TRUE(SameImages(ImagesOf(library, index), source)) << key;
    }
  }
  EXPECT_GT(entries, 10);
  std::string author;
  ReadIniValue(SystemIni(), "Package Info", "Author", author, saved);
  EXPECT_EQ(author, "Wine");
}

TEST_F(RealSaveTest, IconAndCursorFilesInEveryModeMatchTheirSources) {
  const std::string icons = scratch.Write("src\\two.ico", IconFileOf({Image(16, 1), Image(32, 2)}, 1));
  const std::string cursor = scratch.Write("src\\arrow.cur", IconFileOf({Image(32, 3)}, 2));
  const std::string animated = scratch.Write("src\\busy.ani", AnimatedCursor());
  char systemDir[MAX_PATH] = {};
  GetSystemDirectoryA(systemDir, MAX_PATH);
  const std::string shell32 = std::string(systemDir) + "\\shell32.dll";

  for (std::uint32_t mode : {0u, 1u, 2u}) {
    registry.WriteRegNumber(RegRoot::CurrentUser, "Software\\Quillmoor\\Glimmerdeck", "Save Mode", mode);
    CatalogueInputs inputs;
    inputs.osVersion = 6;
    inputs.view = CatalogueView::PackageBuilder;
    CursorCountingShell shellWithCursors;
    SlotCatalogue built(inputs, CatalogueSystem{registry, SystemIni(), shellWithCursors, prompt, notice});
    const auto add = [&](int category, const char* name, const std::string& path, int index) {
      auto slot = std::make_unique<IconSlot>();
      slot->iconPath = path;
      slot->iconIndex = index;
      slot->flags = slotflag::kChanged;
      built.Entries(category).push_back(CatalogueEntry{name, std::move(slot)});
    };
    add(0, "My Computer", icons, 0);
    add(2, "Closed Folder", shell32, 3);
    add(6, "Normal Select", cursor, 0);
    add(6, "Busy", animated, 0);

    const std::string name = "Mode" + std::to_string(mode);
    const std::string folder = scratch / name;
    const std::string file = folder + "\\" + name + ".gdtheme";
    CreateDirectoryA(folder.c_str(), nullptr);
    WritePrivateProfileStringA("Package Info", "Author", "Wine", file.c_str());
    state.packageFile = file;
    prompt = test::ScriptedPrompt({PromptAnswer::Yes});
    Win32SaveHost host = Host(inputs.paths);
    SavePackage(built, state, events, host, false);

    const std::string saved = state.themesDir + "\\" + name + "\\" + name + ".gdtheme";
    const auto value = [&](const char* section, const char* key) {
      std::string text;
      ReadIniValue(SystemIni(), section, key, text, saved);
      return text;
    };
    const auto stored = [&](const char* section, const char* key) {
      return Stored(saved, value(section, key));
    };
    const auto [computer, computerIndex] = stored("Desktop Icons", "My Computer");
    const auto [folderIcon, folderIndex] = stored("Folder Icons", "Closed Folder");
    EXPECT_TRUE(SameImages(ImagesOf(computer, computerIndex), ImagesOf(icons, 0))) << mode;
    EXPECT_TRUE(SameImages(ImagesOf(folderIcon, folderIndex), ImagesOf(shell32, 3))) << mode;
    EXPECT_FALSE(ImagesOf(shell32, 3).empty());
    // Cursors are copied byte for byte, hotspot and animation included.
    EXPECT_TRUE(FileBytes(stored("Cursors", "Normal Select").first) == FileBytes(cursor)) << mode;
    EXPECT_TRUE(FileBytes(stored("Cursors", "Busy").first) == FileBytes(animated)) << mode;
    EXPECT_EQ(value("Cursors", "Busy"), mode == 1 ? "%ThemeDir%Mode1 Cursor 02.ani"
                                                  : "%ThemeDir%" + name + " Busy.ani");
    EXPECT_EQ(value("Package Info", "Author"), "Wine");
  }
}

}  // namespace
}  // namespace gd
