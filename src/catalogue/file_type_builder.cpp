// The "Files" list: the icons of common document types, found through their extension's class,
// two generic icons of the "Shell Icons" list, and the file types the user added.
#include <array>
#include <string>
#include <string_view>

#include "catalogue/builders.h"
#include "platform/os_version.h"
#include "platform/path_text.h"

namespace gd {
namespace {

constexpr std::string_view kShellIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";
constexpr std::string_view kShell32 = "%WinSysPath%\\shell32.dll";
constexpr std::string_view kShimgvw = "%WinSysPath%\\shimgvw.dll";
constexpr std::string_view kMshtml = "%WinSysPath%\\mshtml.dll";
constexpr std::string_view kQuartz = "%WinSysPath%\\quartz.dll";
constexpr std::string_view kMplay32 = "%WinSysPath%\\mplay32.exe";
constexpr std::string_view kMplayer = "%WinPath%\\mplayer.exe";
constexpr std::string_view kWordpad = "%Accessories%\\Wordpad.exe";
constexpr int kFirstPlaceholderIndex = 51;

// The built-in defaults differ by system; Windows versions that shipped the same shell files
// share a column.
enum class Column { Xp, Me, Windows2000, Nt4, Windows98, Windows95 };

Column ColumnFor(Os osVersion) {
  switch (osVersion) {
    case Os::WindowsXp: return Column::Xp;
    case Os::WindowsMe: return Column::Me;
    case Os::Windows2000: return Column::Windows2000;
    case Os::WindowsNt4: return Column::Nt4;
    case Os::Windows95: return Column::Windows95;
    default: return Column::Windows98;  // Windows 98, and a system the program cannot name
  }
}

struct Default {
  std::string path;  // may begin with a path variable; empty: the slot has no default
  int index = 0;
};

// What the defaults of one system are made from.
struct DefaultSources {
  Column column = Column::Windows98;
  std::uint32_t shellVersion = 0;
  std::string mediaPlayer;       // the Windows Media Player program
  std::string internetExplorer;  // the Internet Explorer program
  bool mshtmlFound = true;       // Windows NT 4.0 may lack the HTML library
};

// shell32.dll icons that moved between the 4.71 and 4.72 shells and the older ones.
int ByShellVersion(std::uint32_t shellVersion, int at471, int at472, int otherwise) {
  if (shellVersion == ((4u << 16) | 71u)) return at471;
  if (shellVersion == ((4u << 16) | 72u)) return at472;
  return otherwise;
}

bool NewerShellFiles(Column column) { return column == Column::Xp || column == Column::Me; }
bool Windows9x(Column column) {
  return column == Column::Windows98 || column == Column::Windows95;
}

struct FileTypeSlot {
  std::string_view name;
  SlotKind kind;
  std::string_view place;  // the extension (kind 1) or the "Shell Icons" value name (kind 0)
  Default (*defaultFor)(const DefaultSources&);
};

Default Shell32(int index) { return {std::string(kShell32), index}; }
Default Of(std::string_view path, int index) { return {std::string(path), index}; }

Default BitmapDefault(const DefaultSources& s) {
  if (NewerShellFiles(s.column)) return Of(kShimgvw, 1);
  if (Windows9x(s.column)) return Of("%Accessories%\\Mspaint.exe", 1);
  return Of("%WinSysPath%\\Mspaint.exe", 1);
}

Default ConfigurationDefault(const DefaultSources& s) {
  switch (s.column) {
    case Column::Me: return Shell32(66);
    case Column::Xp:
    case Column::Windows2000: return Shell32(69);
    default: return Shell32(ByShellVersion(s.shellVersion, 62, 63, 58));
  }
}

Default GifDefault(const DefaultSources& s) {
  if (NewerShellFiles(s.column)) return Of(kShimgvw, 2);
  if (s.column == Column::Nt4 && !s.mshtmlFound) return Of(s.internetExplorer, 8);
  return Of(kMshtml, 9);
}

Default InternetDocumentDefault(const DefaultSources& s) {
  if (s.column == Column::Windows95) return Of(kMshtml, 1);
  return Of(s.internetExplorer, 1);
}

Default JpegDefault(const DefaultSources& s) {
  if (NewerShellFiles(s.column)) return Of(kShimgvw, 3);
  if (s.column == Column::Nt4 && !s.mshtmlFound) return Of(s.internetExplorer, 9);
  return Of(kMshtml, 8);
}

Default MediaClipDefault(const DefaultSources& s) {
  if (s.column == Column::Me || Windows9x(s.column)) return Of(kMplayer, 0);
  return Of(kMplay32, 1);
}

Default MidiDefault(const DefaultSources& s) {
  if (NewerShellFiles(s.column)) return Of(s.mediaPlayer, 1);
  if (s.column == Column::Nt4) return Of(kMplay32, 5);
  return Of(kQuartz, 8);
}

Default MovieDefault(const DefaultSources& s) {
  if (NewerShellFiles(s.column)) return Of(s.mediaPlayer, 1);
  return Of(kQuartz, 3);
}

Default BatchDefault(const DefaultSources& s) {
  switch (s.column) {
    case Column::Me: return Shell32(68);
    case Column::Xp:
    case Column::Windows2000: return Shell32(71);
    case Column::Windows98: return Shell32(65);
    default: return Shell32(ByShellVersion(s.shellVersion, 64, 65, 60));
  }
}

Default TextDefault(const DefaultSources& s) {
  switch (s.column) {
    case Column::Me: return Shell32(67);
    case Column::Xp:
    case Column::Windows2000: return Shell32(70);
    case Column::Windows98: return Shell32(64);
    default: return Shell32(ByShellVersion(s.shellVersion, 63, 64, 59));
  }
}

Default VideoDefault(const DefaultSources& s) {
  if (NewerShellFiles(s.column)) return Of(s.mediaPlayer, 1);
  if (s.column == Column::Nt4) return Of(kMplay32, 3);
  return Of(kQuartz, 0);
}

Default WaveDefault(const DefaultSources& s) {
  if (NewerShellFiles(s.column)) return Of(s.mediaPlayer, 1);
  if (s.column == Column::Nt4) return Of("%WinSysPath%\\sndrec32.exe", 1);
  return Of(kQuartz, 4);
}

Default ZipDefault(const DefaultSources& s) {
  // Only the systems with compressed folders have an icon of their own for zip files.
  if (NewerShellFiles(s.column)) return Of("%WinSysPath%\\zipfldr.dll", 0);
  return Of("", 0);
}

constexpr std::array<FileTypeSlot, 18> kFileTypeSlots{{
    {"Bitmap Image", SlotKind::ClassDefaultIcon, ".bmp", BitmapDefault},
    {"Configuration Settings", SlotKind::ClassDefaultIcon, ".ini", ConfigurationDefault},
    {"Default Icon", SlotKind::RegistryValue, "0",
     [](const DefaultSources&) { return Shell32(0); }},
    {"Default Document", SlotKind::RegistryValue, "1",
     [](const DefaultSources&) { return Shell32(1); }},
    {"GIF Image", SlotKind::ClassDefaultIcon, ".gif", GifDefault},
    {"Internet Document", SlotKind::ClassDefaultIcon, ".html", InternetDocumentDefault},
    {"JPEG Image", SlotKind::ClassDefaultIcon, ".jpg", JpegDefault},
    {"Media Clip", SlotKind::ClassDefaultIcon, ".mmm", MediaClipDefault},
    {"MIDI Sequence", SlotKind::ClassDefaultIcon, ".mid", MidiDefault},
    {"Movie Clip", SlotKind::ClassDefaultIcon, ".mpeg", MovieDefault},
    {"MS-DOS Application", SlotKind::RegistryValue, "2",
     [](const DefaultSources&) { return Shell32(2); }},
    {"MS-DOS Batch File", SlotKind::ClassDefaultIcon, ".bat", BatchDefault},
    {"Rich Text Format", SlotKind::ClassDefaultIcon, ".rtf",
     [](const DefaultSources&) { return Of(kWordpad, 1); }},
    {"Text Document", SlotKind::ClassDefaultIcon, ".txt", TextDefault},
    {"Video Clip", SlotKind::ClassDefaultIcon, ".avi", VideoDefault},
    {"Wave Sound", SlotKind::ClassDefaultIcon, ".wav", WaveDefault},
    {"Write Document", SlotKind::ClassDefaultIcon, ".wri",
     [](const DefaultSources&) { return Of(kWordpad, 2); }},
    {"Zip File", SlotKind::ClassDefaultIcon, ".zip", ZipDefault},
}};

bool Unset(const std::string& text) { return text.empty() || text == kRegTextSentinel; }

// "<folder>\<program>", or empty when the folder is unset or the path would not fit a path
// buffer (a cut path would name some other file).
std::string ProgramIn(const std::string& folder, std::string_view program) {
  if (Unset(folder)) return {};
  std::string path = RemoveTrailingBackslash(folder) + "\\" + std::string(program);
  return path.size() <= kMaxSlotPath ? path : std::string();
}

std::string MediaPlayerProgram(Registry& registry) {
  std::string path = ProgramIn(
      registry.ReadText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\MediaPlayer",
                        "Installation Directory"),
      "wmplayer.exe");
  // Without the player's own record, the folder it installs to by default.
  if (path.empty()) path = "%ProgramFiles%\\Windows Media Player\\wmplayer.exe";
  return path;
}

std::string InternetExplorerProgram(Registry& registry, Os osVersion) {
  for (const std::string_view key :
       {"SOFTWARE\\Microsoft\\IE4\\Setup", "SOFTWARE\\Microsoft\\IE Setup\\Setup"}) {
    std::string path =
        ProgramIn(registry.ReadText(RegRoot::LocalMachine, key, "Path"), "iexplore.exe");
    if (!path.empty()) return path;
  }
  // Windows NT 4.0 received the browser with the Plus! pack; elsewhere the browser's own
  // folder under the program files is where setup puts it.
  if (osVersion == Os::WindowsNt4) {
    return "%ProgramFiles%\\Plus!\\Microsoft Internet\\iexplore.exe";
  }
  return "%ProgramFiles%\\Internet Explorer\\iexplore.exe";
}

// The shell draws every bitmap as its own picture when the class's icon is the file itself;
// there is then no bitmap icon to change.
bool BitmapsShowThemselves(Registry& registry) {
  const std::string cls = registry.ReadText(RegRoot::ClassesRoot, ".bmp", "");
  if (Unset(cls)) return false;
  const std::string icon = registry.ReadText(RegRoot::ClassesRoot, cls + "\\DefaultIcon", "");
  return icon == "%1" || icon == "\"%1\"";
}

// One slot per section of "file icons.ini" named by an extension, in the file's order.
void AddUserFileTypes(SlotCatalogue& catalogue) {
  const CatalogueInputs& inputs = catalogue.inputs();
  TextList sections;
  ListIniSections(catalogue.system().ini, inputs.appPath + "\\file icons.ini", sections);
  // The listing puts each name at the front, so the file's first section stands last.
  for (auto it = sections.rbegin(); it != sections.rend(); ++it) {
    if (!it->starts_with('.')) continue;
    catalogue.AddSlot(Category::Files, "", RegRoot::ClassesRoot, *it, "", "", -1,
                      SlotKind::ExtensionDefaultIcon, slotflag::kAddedFormat);
  }
}

}  // namespace

void BuildFileTypeIcons(SlotCatalogue& catalogue) {
  if (!catalogue.Entries(Category::Files).empty()) return;
  const CatalogueInputs& inputs = catalogue.inputs();
  if (inputs.view == CatalogueView::PackageBuilder) {
    const std::string placeholder = PlaceholderFile(catalogue);
    int index = kFirstPlaceholderIndex;
    for (const FileTypeSlot& slot : kFileTypeSlots) {
      catalogue.AddSlot(Category::Files, slot.name, std::nullopt, "", "", placeholder, index++,
                        SlotKind::BuiltIn, 0);
    }
    AddUserFileTypes(catalogue);
    return;
  }

  Registry& registry = catalogue.system().registry;
  DefaultSources sources;
  sources.column = ColumnFor(inputs.osVersion);
  sources.shellVersion = inputs.shellVersion;
  sources.mediaPlayer = MediaPlayerProgram(registry);
  sources.internetExplorer = InternetExplorerProgram(registry, inputs.osVersion);
  if (sources.column == Column::Nt4) {
    sources.mshtmlFound =
        catalogue.system().shell.FileExists(inputs.paths.systemDir + "\\mshtml.dll");
  }
  const bool skipBitmap = BitmapsShowThemselves(registry);

  for (const FileTypeSlot& slot : kFileTypeSlots) {
    if (slot.place == ".bmp" && skipBitmap) continue;
    const Default fallback = slot.defaultFor(sources);
    if (slot.kind == SlotKind::RegistryValue) {
      catalogue.AddSlot(Category::Files, slot.name, RegRoot::LocalMachine, kShellIconsKey,
                        slot.place, fallback.path, fallback.index, slot.kind, 0);
    } else {
      // A type whose extension has no class here makes no slot.
      catalogue.AddSlot(Category::Files, slot.name, RegRoot::ClassesRoot, slot.place, "",
                        fallback.path, fallback.index, slot.kind, 0);
    }
  }
  AddUserFileTypes(catalogue);
}

}  // namespace gd
