// "gdctl package": the package file and library operations of the program, run on this
// system from the console, for package authors and scripts.
#include "gdctl/package_commands_win32.h"

#include <map>
#include <memory>
#include <optional>

#include "settings/settings_store.h"
#include "catalogue/slot_listing.h"
#include "gdctl/console_package_host_win32.h"
#include "gdctl/console_prompt.h"
#include "gdctl/system_session_win32.h"
#include "package/package_format.h"
#include "package/package_library.h"
#include "package/package_loader.h"
#include "package/package_saver.h"
#include "package/package_saver_win32.h"
#include "package/slot_aliases.h"
#include "package/zipped_package.h"
#include "package/zipped_package_win32.h"
#include "platform/path_text.h"
#include "platform/text_case.h"
#include "platform/ini_win32.h"
#include "platform/registry_win32.h"
#include "platform/shell.h"
// Last: it takes back the name that <windows.h> turns into a macro.
#include "iconfmt/icon_loader.h"

namespace gd::gdctl {
namespace {

constexpr char kUsage[] =
    "usage:\n"
    "  gdctl package info PKG           [Package Info] and, per section, entries and readable icons\n"
    "                                   (PKG may be a zipped package: it is read from a scratch copy)\n"
    "  gdctl package check PKG [--os CODE]\n"
    "                                   every entry: section, key, file, index, ok or why not\n"
    "  gdctl package load PKG [--view local|builder] [--os CODE]\n"
    "                                   load without applying; every slot it changed:\n"
    "                                   category, name, before, after\n"
    "  gdctl package save OUT.gdtheme [--view local]\n"
    "                                   save this system's present look as a package\n"
    "  gdctl package install ARCHIVE    unpack into the Themes folder; prints the package file\n"
    "  gdctl package zip PKG OUT.gd     pack a package (its file and the files it names)\n"
    "  gdctl package list [--sort name|count|author]\n"
    "                                   the library as the Packages page shows it\n";

// Every category section in file order, then "Custom Icons", as loading reads them.
struct PackageSection {
  std::string name;
  Category category = Category::Desktop;  // Category::Files for "Custom Icons"
  bool custom = false;
};

std::vector<PackageSection> CategorySections() {
  std::vector<PackageSection> sections;
  for (Category c : kPackageCategories) {
    sections.push_back({std::string(CategorySection(c)), c, false});
  }
  sections.push_back({std::string(kCustomIconsSection), Category::Files, true});
  return sections;
}

// Why an entry's icon cannot be read, or empty when it can.
std::string IconProblem(const PackageIconRef& ref) {
  if (!ref.fitsPathBuffer) return "path too long";
  if (!SystemShell().FileExists(ref.path)) return "missing file";
  const std::string extension = FoldCase(ExtensionOf(ref.path));
  if (extension == ".cur" || extension == ".ani") {
    const auto file = LoadAllIcons(ref.path, false);
    return file && !file->groups.empty() ? "" : "no cursor in file";
  }
  return LoadIcon(ref.path, ref.index) ? "" : "no icon at that index";
}

std::string ReadValue(const std::string& file, const std::string& section,
                      const std::string& key) {
  std::string value;
  ReadIniValue(SystemIni(), section, key, value, file);
  return value;
}

// A zipped package unpacked into a scratch folder of its own for reading, removed again when
// the command ends; a package file is read where it is.
class ReadablePackage {
 public:
  ReadablePackage(const std::string& file, std::ostream& err) {
    if (!SystemShell().FileExists(file)) {
      err << "gdctl: no such package file: " << file << "\n";
      return;
    }
    if (!IsZippedPackageName(file)) {
      path_ = file;
      return;
    }
    char temp[MAX_PATH] = {};
    char scratch[MAX_PATH] = {};
    if (GetTempPathA(MAX_PATH, temp) == 0 || GetTempFileNameA(temp, "gdp", 0, scratch) == 0) {
      err << "gdctl: no scratch folder to unpack " << file << " into\n";
      return;
    }
    DeleteFileA(scratch);  // the unique name becomes a folder
    scratch_ = scratch;
    ConsolePrompt prompt(err);
    ZipLibraryTool tool(SystemRegistry(), prompt);
    if (tool.Unzip(file, scratch_)) path_ = FindInstalledPackageFile(SystemShell(), scratch_);
    if (!path_) err << "gdctl: no icon package was found in " << file << "\n";
  }
  ~ReadablePackage() {
    if (!scratch_.empty()) DeleteWithShell(scratch_, 0);
  }
  ReadablePackage(const ReadablePackage&) = delete;
  ReadablePackage& operator=(const ReadablePackage&) = delete;

  // The package file to read; none after the error was told.
  const std::optional<std::string>& path() const { return path_; }

 private:
  std::string scratch_;
  std::optional<std::string> path_;
};

int Info(const std::string& named, std::ostream& out, std::ostream& err) {
  const ReadablePackage package(named, err);
  if (!package.path()) return 1;
  const std::string& file = *package.path();
  const PackageInfo info = ReadPackageInfo(SystemIni(), file);
  out << "Author\t" << info.author << "\nEmail\t" << info.email << "\nWebsite\t" << info.website
      << "\nComments\t" << info.comments << "\nDate\t" << info.date << "\n";
  const std::string directory = PackageDirectory(file);
  const PathContext context;
  for (const PackageSection& section : CategorySections()) {
    int entries = 0;
    int readable = 0;
    for (const std::string& key : ReadSectionKeys(SystemIni(), file, section.name)) {
      const std::string value = ReadValue(file, section.name, key);
      if (value.empty()) continue;
      ++entries;
      if (IconProblem(ResolvePackageValue(value, directory, context)).empty()) ++readable;
    }
    if (entries > 0) out << section.name << "\t" << entries << " entries\t" << readable << " readable\n";
  }
  return 0;
}

// Whether a slot name that this system lacks is one that a package may hold: a slot of any
// Windows version, as the Package Builder view offers them all whatever is installed. Each
// version's catalogue is built once, when first asked.
class AnySystemSlots {
 public:
  explicit AnySystemSlots(std::ostream& err) : err_(err) {}
  bool Know(Category category, const std::string& key) {
    for (int code = static_cast<int>(Os::Windows95); code <= static_cast<int>(Os::WindowsXp); ++code) {
      const auto os = static_cast<Os>(code);
      auto& session = sessions_[code];
      if (!session) {
        session = std::make_unique<SystemSession>(SessionOptions{CatalogueView::PackageBuilder, os}, err_);
        session->catalogue().BuildAll(true);
      }
      std::string name = key;
      TranslateSlotName(name, SlotNameDirection::SystemForm, os, CatalogueView::PackageBuilder);
      if (FindItem(session->catalogue(), category, name)) return true;
    }
    return false;
  }

 private:
  std::ostream& err_;
  std::map<int, std::unique_ptr<SystemSession>> sessions_;
};

int Check(const std::string& named, const SessionOptions& options, std::ostream& out,
          std::ostream& err) {
  const ReadablePackage package(named, err);
  if (!package.path()) return 1;
  const std::string& file = *package.path();
  SystemSession session(options, err);
  SlotCatalogue& catalogue = session.catalogue();
  catalogue.BuildAll(true);
  const CatalogueInputs& inputs = catalogue.inputs();
  const std::string directory = PackageDirectory(file);
  AnySystemSlots anySystem(err);
  int failures = 0;
  for (const PackageSection& section : CategorySections()) {
    for (const std::string& key : ReadSectionKeys(SystemIni(), file, section.name)) {
      const std::string value = ReadValue(file, section.name, key);
      if (value.empty()) continue;
      const PackageIconRef ref = ResolvePackageValue(value, directory, inputs.paths);
      std::string problem = IconProblem(ref);
      // Not failures: a slot that this machine lacks (another Windows version's, a folder that
      // is not installed, a file type not registered) is passed over when the package loads here.
      std::string note;
      // Added file types need no slot: loading adds one.
      if (!section.custom) {
        std::string name = key;
        TranslateSlotName(name, SlotNameDirection::SystemForm, inputs.osVersion, inputs.view);
        if (!FindItem(catalogue, section.category, name)) {
          if (section.category == Category::Files) {
            note = "ok, not registered here";
          } else if (anySystem.Know(section.category, key)) {
            note = "ok, not on this system";
          } else {
            problem = "unknown slot name";
          }
        }
      }
      if (!problem.empty()) ++failures;
      out << section.name << "\t" << key << "\t" << ref.path << "\t" << ref.index << "\t"
          << (!problem.empty() ? problem : note.empty() ? "ok" : note) << "\n";
    }
  }
  return failures == 0 ? 0 : 1;
}

int Load(const std::string& file, const SessionOptions& options, std::ostream& out,
         std::ostream& err) {
  SystemSession session(options, err);
  SlotCatalogue& catalogue = session.catalogue();
  catalogue.BuildAll(true);
  catalogue.BuildCategory(Category::QuickLaunch);
  // What every slot showed before, by category and name (loading may add file types).
  std::map<std::pair<Category, std::string>, std::string> before;
  for (Category c : kAllCategories) {
    for (const CatalogueEntry& entry : catalogue.Entries(c)) {
      before[{c, FoldCase(entry.name)}] = MakeIconRef(entry.slot->iconPath, entry.slot->iconIndex);
    }
  }
  session.page().packageFile = file;
  CatalogueEvents events;
  ConsolePackageHost host(session, events);
  if (LoadPackage(catalogue, session.page(), events, host) == 0) {
    err << "gdctl: not a package, or no package file in the archive: " << file << "\n";
    return 1;
  }
  for (Category c : kAllCategories) {
    for (const CatalogueEntry& entry : catalogue.Entries(c)) {
      const std::string after = MakeIconRef(entry.slot->iconPath, entry.slot->iconIndex);
      const auto old = before.find({c, FoldCase(entry.name)});
      const std::string was = old == before.end() ? "" : old->second;
      if (was != after) out << Index(c) << "\t" << entry.name << "\t" << was << "\t" << after << "\n";
    }
  }
  return 0;
}

int Save(const std::string& target, const SessionOptions& options, std::ostream& out,
         std::ostream& err) {
  if (!EndsWithIgnoreCase(target, kPackageExtension)) {
    err << "gdctl: a package file name ends in " << kPackageExtension << ": " << target << "\n";
    return 2;
  }
  // As in the save dialog, the chosen folder must exist; the package gets a folder in it.
  const std::string folder = RemoveTrailingBackslash(FolderOf(target));
  if (!SystemShell().FileExists(folder)) {
    err << "gdctl: no such folder: " << folder << "\n";
    return 1;
  }
  SystemSession session(options, err);
  SlotCatalogue& catalogue = session.catalogue();
  CatalogueEvents events;
  // Saving from the console: the chosen name is the command's, there is no one to fill in
  // the Package Info dialog, and nothing is loaded afterwards.
  Win32SaveHost host(catalogue.inputs().paths,
                     {.chooseSaveFile = [&](const std::string&) { return std::optional(target); },
                      .showPackageInfo = {},
                      .reloadPackage = {}});
  // An existing package file is replaced, and the result then lies under Themes.
  const bool replaces = SystemShell().FileExists(target);
  SavePackage(catalogue, session.page(), events, host, true);
  const SaveLocation location = PlanSaveLocation(target, replaces, session.page().appPath);
  const std::string written =
      replaces ? location.finalFolder + "\\" + FileName(target) : location.packagePath;
  if (!SystemShell().FileExists(written)) {
    err << "gdctl: the package file could not be written: " << written << "\n";
    return 1;
  }
  out << written << "\n";
  return 0;
}

int Install(const std::string& archive, std::ostream& out, std::ostream& err) {
  if (!SystemShell().FileExists(archive)) {
    err << "gdctl: no such archive: " << archive << "\n";
    return 1;
  }
  SystemSession session(SessionOptions{}, err);
  ZipLibraryTool tool(session.registry(), session.prompt());
  const auto folder = InstallZippedPackage(session.page().appPath, archive, tool);
  const auto package = folder ? FindInstalledPackageFile(SystemShell(), *folder) : std::nullopt;
  if (!package) {
    err << "gdctl: no icon package was found in " << archive << "\n";
    return 1;
  }
  out << *package << "\n";
  return 0;
}

// The archive name is the command's own: no dialog.
class FixedArchiveName final : public ArchiveNameChooser {
 public:
  explicit FixedArchiveName(std::string name) : name_(std::move(name)) {}
  std::optional<std::string> ChooseArchiveName(const std::string&, const std::string&) override {
    return name_;
  }

 private:
  std::string name_;
};

int Zip(const std::string& file, const std::string& archive, std::ostream& err) {
  if (!SystemShell().FileExists(file)) {
    err << "gdctl: no such package file: " << file << "\n";
    return 1;
  }
  SystemSession session(SessionOptions{}, err);
  ZipLibraryTool tool(session.registry(), session.prompt());
  FixedArchiveName chooser(archive);
  Win32PackageFiles files;
  if (!SaveZippedPackage(file, session.page().themesDir, chooser, tool, files, SystemIni())) {
    err << "gdctl: the archive could not be written: " << archive << "\n";
    return 1;
  }
  return 0;
}

int List(const std::vector<std::string>& rest, std::ostream& out, std::ostream& err) {
  PackageSort sort = PackageSort::ByName;
  if (rest.size() == 2 && rest[0] == "--sort") {
    if (rest[1] == "count") sort = PackageSort::ByIconCount;
    else if (rest[1] == "author") sort = PackageSort::ByAuthor;
    else if (rest[1] != "name") return 2;
  } else if (!rest.empty()) {
    return 2;
  }
  SystemSession session(SessionOptions{}, err);
  Win32PackageFiles files;
  LibrarySystem library{SystemShell(), SystemIni(), files, session.registry(), session.prompt(),
                        session.page().themesDir};
  const LibraryList list = ScanLibrary(library, sort, "");
  for (const std::string& entry : list.entries) {
    if (entry == kWindowsDefaultIcons) {
      out << entry << "\n";
    } else {
      out << entry << "\t" << SortKey(library, sort, entry) << "\n";
    }
  }
  return 0;
}

}  // namespace

int RunPackageCommand(Arguments args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    (args.empty() ? err : out) << kUsage;
    return args.empty() ? 2 : 0;
  }
  SessionOptions options;
  std::vector<std::string> rest;
  if (!ParseSessionOptions(args.subspan(1), options, rest)) {
    err << kUsage;
    return 2;
  }
  const std::string& command = args[0];
  int status = 2;
  if (command == "info" && rest.size() == 1) status = Info(rest[0], out, err);
  else if (command == "check" && rest.size() == 1) status = Check(rest[0], options, out, err);
  else if (command == "load" && rest.size() == 1) status = Load(rest[0], options, out, err);
  else if (command == "save" && rest.size() == 1) status = Save(rest[0], options, out, err);
  else if (command == "install" && rest.size() == 1) status = Install(rest[0], out, err);
  else if (command == "zip" && rest.size() == 2) status = Zip(rest[0], rest[1], err);
  else if (command == "list") status = List(rest, out, err);
  if (status == 2) err << kUsage;
  return status;
}

}  // namespace gd::gdctl
