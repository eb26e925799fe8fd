// Fuzzes loading a whole package file: the input is the file's text, loaded into a small
// hand-made catalogue on one of three systems (one package outside the Themes folder, one zipped).
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/slot_catalogue.h"
#include "fuzz_check.h"
#include "package/package_format.h"
#include "package/package_loader.h"
#include "settings/settings_store.h"
#include "support/fake_shell.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "support/recording_events.h"
#include "support/scripted_prompt.h"

namespace {

using gd::Category;

const std::string kThemes = "C:\\Apps\\Glimmerdeck\\Themes";

// System names of both views and of old and new systems, and the slots Smart Load fills.
const std::vector<std::pair<Category, std::string>> kSlots = {
    {Category::Desktop, "My Computer"}, {Category::Desktop, "My Documents"}, {Category::Desktop, "My Network Places"},
    {Category::Desktop, "Network Neighborhood"}, {Category::Desktop, "Internet Explorer"},
    {Category::Desktop, "In Box"}, {Category::Desktop, "Microsoft Outlook"}, {Category::Desktop, "Recycle Bin (full)"},
    {Category::Start, "Programs"}, {Category::Start, "Documents"}, {Category::Start, "Favorites"},
    {Category::Start, "Settings - Control Panel"}, {Category::Start, "Settings - Printers"},
    {Category::Start, "Settings - Printers and Faxes"}, {Category::Start, "Find"}, {Category::Start, "Search"},
    {Category::Start, "Help"}, {Category::Start, "Help and Support"}, {Category::Start, "Run..."},
    {Category::Start, "Shut Down..."}, {Category::Start, "Turn Off Computer..."}, {Category::Start, "Internet"},
    {Category::Start, "E-mail"}, {Category::Folders, "Closed Folder"}, {Category::Folders, "Program Group"},
    {Category::Folders, "Programs Group"}, {Category::Folders, "Control Panel"}, {Category::Folders, "Printers"},
    {Category::Folders, "Favorites"}, {Category::Folders, "Web Folders"}, {Category::Folders, "ActiveX Cache"},
    {Category::Folders, "Network Connections"}, {Category::Drives, "Floppy Drive 3\xBD"},
    {Category::Drives, "Floppy Drive 5\xBC"}, {Category::Drives, "Hard Drive"}, {Category::Drives, "CD-Rom Drive"},
    {Category::Drives, "Network Drive (offline)"}, {Category::Others, "Entire Network"},
    {Category::Others, "Network Service"}, {Category::Others, "Audio CD"}, {Category::Files, "Text Document"},
    {Category::Cursors, "Normal Select"}, {Category::Cursors, "Busy"}, {Category::QuickLaunch, "Windows Explorer"},
    {Category::QuickLaunch, "Internet Explorer"}, {Category::QuickLaunch, "Outlook Express"},
};

std::string_view Trim(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// Reads INI text as the profile functions read a file: "[name]" opens a section, "key=value"
// fills it with blanks cut around both and one pair of quotes taken off the value, the first
// of two equal keys counts, and any other line (comments too) is passed over.
void ReadIniText(std::string_view text, gd::test::MemoryIni& ini, const std::string& file) {
  std::optional<std::string> section;
  std::set<std::string> keys;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find_first_of(std::string_view("\r\n\0", 3), start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.starts_with('[')) {
      section = std::string(Trim(line.substr(1, line.find(']') - 1)));
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!section || line.starts_with(';') || equals == std::string_view::npos) continue;
    const std::string key(Trim(line.substr(0, equals)));
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    if (key.empty() || !keys.insert(gd::FoldCase(*section + '\0' + key)).second) continue;
    ini.WriteString(file, *section, key, std::string(value));
  }
}

// Unpacking a zipped package puts its package file into its folder under Themes; shortcuts
// are only remembered.
class QuietHost final : public gd::PackageHost {
 public:
  explicit QuietHost(gd::test::FakeShell& shell) : shell_(shell) {}
  void RestoreAllIcons(bool) override {}
  void RestoreAllCursors(bool) override {}
  std::optional<std::string> InstallZippedPackage(const std::string&) override {
    shell_.files.insert(kThemes + "\\Blue\\Blue.gdtheme");
    return kThemes + "\\Blue";
  }
  bool CreateShortcut(const std::string& link, const std::string& target) override {
    GD_FUZZ_CHECK(gd::FitsPathBuffer(link));
    shell_.shortcuts[link] = {target, "", 0};
    return true;
  }

 private:
  gd::test::FakeShell& shell_;
};

struct Load {
  gd::Os os;
  gd::CatalogueView view;
  std::string opened;   // the file the user opens
  std::string package;  // the package file it comes to
  bool loadAndClose;
};

// The INI files of one input: the catalogue keeps its store for good, the files are new each time.
class CurrentIni final : public gd::IniStore {
 public:
  std::size_t GetString(const std::string& file, const std::optional<std::string>& section,
                        const std::optional<std::string>& key, const std::string& fallback,
                        std::span<char> buffer) override {
    return files->GetString(file, section, key, fallback, buffer);
  }
  bool WriteString(const std::string& file, const std::string& section, const std::optional<std::string>& key,
                   const std::optional<std::string>& value) override {
    return files->WriteString(file, section, key, value);
  }
  std::optional<gd::test::MemoryIni> files;
};

gd::CatalogueInputs InputsOf(const Load& load) {
  gd::CatalogueInputs inputs;
  inputs.osVersion = load.os;
  inputs.view = load.view;
  inputs.paths = gd::PathContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", load.os};
  inputs.appPath = "C:\\Apps\\Glimmerdeck";
  return inputs;
}

// One system and its catalogue, built once: each input is loaded into it, which is then put
// back as it was built (building it again would take most of the time). Whatever an input
// adds is gone again before the next one, as the fuzzer's leak check expects.
class Machine {
 public:
  explicit Machine(Load load) : load_(std::move(load)) {
    ini_.files.emplace();
    notice_.answer.answer = gd::PromptAnswer::Yes;
    gd::SettingsStore(registry_).SetFlag(gd::Flag::QuickLaunchLoad, true);
    for (const auto& [category, name] : kSlots) {
      catalogue_.AddSlot(category, name, std::nullopt, "", "", "C:\\Sys\\" + name + ".dll", 0, gd::SlotKind::BuiltIn, 0);
    }
    catalogue_.AddSlot(Category::Files, "", gd::RegRoot::ClassesRoot, ".zip", "", "", 0,
                       gd::SlotKind::ExtensionDefaultIcon, 0);
    for (Category category : gd::kAllCategories) {
      for (const gd::CatalogueEntry& entry : catalogue_.Entries(category)) built_[gd::Index(category)].push_back(*entry.slot);
    }
    ini_.files.reset();
  }

  void Check(std::string_view text) {
    ReadIniText(text, ini_.files.emplace(), load_.package);
    shell_.files.insert(load_.opened);
    gd::EditState state;
    state.appPath = catalogue_.inputs().appPath;
    state.themesDir = kThemes;
    state.packageFile = load_.opened;
    state.loadAndClose = load_.loadAndClose;
    state.include[gd::Index(Category::Files)] = !load_.loadAndClose;
    gd::test::RecordingEvents events;
    QuietHost host(shell_);
    GD_FUZZ_CHECK(gd::LoadPackage(catalogue_, state, events, host) == 1);
    GD_FUZZ_CHECK(state.packageFile == load_.package && events.recent == std::vector<std::string>{load_.package});
    CheckSlots();
    for (Category category : gd::kAllCategories) {
      auto& entries = catalogue_.Entries(category);
      const auto& built = built_[gd::Index(category)];
      entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(built.size()), entries.end());
      for (std::size_t i = 0; i < built.size(); ++i) *entries[i].slot = built[i];
    }
    ini_.files.reset();
    shell_.files.clear();
    shell_.shortcuts.clear();
    notice_.shown.clear();
  }

 private:
  // Every icon the load set is a reference into the package's own folder, short enough for
  // the slot's record; every slot it left alone still shows what the system showed.
  void CheckSlots() {
    const std::string directory = gd::PackageDirectory(load_.package);
    for (Category category : gd::kAllCategories) {
      for (const gd::CatalogueEntry& entry : catalogue_.Entries(category)) {
        const gd::IconSlot& slot = *entry.slot;
        GD_FUZZ_CHECK(slot.iconPath.size() <= gd::kMaxSlotPath);
        if ((slot.flags & gd::slotflag::kAddedFormat) != 0) {
          // An added file type is an extension, or it would name some other key of the classes
          // root. (Its icon file is missing here, so it shows the system's own icon.)
          GD_FUZZ_CHECK(slot.fileType.size() >= 2 && slot.fileType.size() <= gd::kMaxFileType &&
                        slot.fileType.front() == '.' && slot.fileType.find_first_of("\\/ ") == std::string::npos);
          continue;
        }
        GD_FUZZ_CHECK(slot.IsChanged() ? slot.iconPath.starts_with(directory)
                                       : slot.iconPath == slot.currentPath && slot.iconIndex == slot.currentIndex);
      }
    }
  }

  Load load_;
  gd::test::MemoryRegistry backend_;
  gd::Registry registry_{backend_};
  CurrentIni ini_;
  gd::test::FakeShell shell_;
  gd::test::ScriptedPrompt prompt_;
  gd::test::RecordingNotice notice_;
  gd::SlotCatalogue catalogue_{InputsOf(load_), gd::CatalogueSystem{registry_, ini_, shell_, prompt_, notice_}};
  std::array<std::vector<gd::IconSlot>, gd::kCategoryCount> built_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string blue = kThemes + "\\Blue\\Blue.gdtheme";
  const std::string outside = "D:\\Packages\\Blue\\Blue.gdt";
  static Machine machines[] = {
      Machine({gd::Os::WindowsXp, gd::CatalogueView::LocalUpdate, blue, blue, false}),
      Machine({gd::Os::WindowsMe, gd::CatalogueView::LocalUpdate, outside, outside, true}),
      Machine({gd::Os::Windows98, gd::CatalogueView::PackageBuilder, "C:\\Downloads\\Blue.gd", blue, false}),
  };
  // The length picks the system, so that a file meets each of them as it grows or shrinks.
  machines[size % 3].Check(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
