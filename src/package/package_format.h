// The package file (".gdtheme"): an INI file in the package's own folder whose category
// sections name, per slot, an icon file of that folder. Everything here reads and writes it
// through the profile interface, so the byte layout stays the platform's.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/categories.h"
#include "platform/ini.h"
#include "platform/path_text.h"

namespace gd {

inline constexpr std::string_view kPackageExtension = ".gdtheme";
inline constexpr std::string_view kSoftwareInfoSection = "Software Info";
inline constexpr std::string_view kPackageInfoSection = "Package Info";
// Added file types, keyed by their extension with its dot.
inline constexpr std::string_view kCustomIconsSection = "Custom Icons";

// Every value starts with this variable; a reader drops the first ten characters whatever
// they are and puts the package directory in their place.
inline constexpr std::string_view kThemeDirVariable = "%ThemeDir%";

// The key names of one section are read as one list of this many characters (names with
// their terminating zeros): keys beyond it are not read, and the name it cuts is read cut.
inline constexpr std::size_t kSectionKeyListSize = 399;

// The key names of `section` in file order, read within the section's list limit. Empty
// names are left out.
std::vector<std::string> ReadSectionKeys(IniStore& ini, const std::string& file,
                                         const std::string& section);

// The package directory: drive and directory of the package file, ending in a backslash.
std::string PackageDirectory(std::string_view packageFile);
// The package name: the package file's name without its extension.
std::string PackageName(std::string_view packageFile);

// A package value read against the package directory.
struct PackageIconRef {
  std::string path;
  int index = 0;
  // The path stays inside the package folder: no "..", drive, stream or device name takes
  // it elsewhere. The format lets a value point anywhere when read, but nothing may ever be
  // written or deleted through a path that is not inside.
  bool insidePackage = false;
  // The formed reference fits the 260-byte buffer of an icon reference; a longer one can
  // name no file on the systems the program runs on.
  bool fitsPathBuffer = false;
};
// Drops the value's first ten characters, puts `packageDirectory` in front and splits the
// result as an icon reference (index after the value's last comma, 0 without one; commas of
// the folder's name stay in the path).
PackageIconRef ResolvePackageValue(std::string_view value, std::string_view packageDirectory,
                                   const PathContext& context);
// Whether a path relative to the package folder stays inside it, as the file system would
// resolve it.
bool StaysInsideFolder(std::string_view relativePath);

// ".ico", ".cur" or ".ani", case ignored.
bool IsIconFileName(std::string_view name);
// The icon files the package names directly in its own folder: its icon library, icons and
// cursors, each once. Nothing in a subfolder (in the Themes directory that would be another
// package's) and nothing outside.
std::vector<std::string> OwnIconFiles(IniStore& ini, const std::string& packageFile);

// How a save stores the icons: the "Save Mode" setting, where a missing value reads as 10.
enum class SaveMode {
  IconLibrary,    // one ".icl" for all icons, named cursor files
  NumberedFiles,  // "<package> Icon 01.ico", "<package> Cursor 01.cur", ...
  NamedFiles,     // "<package> <slot>.ico", named cursor files
};
SaveMode SaveModeFromSetting(std::uint32_t stored);

// The values of the slots one save stores, in the order they are stored, and so the names
// of the companion files. Each call uses up a number; call only for a slot that is stored.
// In the file names a comma of the package or slot name becomes "_": read back, a value's
// last comma starts its icon index.
class CompanionNames {
 public:
  CompanionNames(SaveMode mode, std::string packageName);

  // Categories 0 to 5 and added file types. `slotName` is the package form of the name.
  std::string NextIconValue(std::string_view slotName);
  // Cursors: copies of the source file, which keeps its extension (".cur" or ".ani").
  std::string NextCursorValue(std::string_view slotName, std::string_view sourcePath);

  SaveMode mode() const { return mode_; }

 private:
  std::string FileStem(std::string_view slotName) const;

  SaveMode mode_;
  std::string packageName_;
  int iconNumber_;
  int cursorNumber_ = 1;
};

// The package's icon library beside the package file: same folder and name, ".icl".
std::string IconLibraryPath(std::string_view packageFile);
// The file a value written by a save names: the package folder (no trailing backslash), a
// backslash and the value without its first ten characters. None when that would not stay
// inside the folder.
std::optional<std::string> CompanionFilePath(std::string_view packageFolder,
                                             std::string_view value);

// [Software Info]: written at every save, read by nothing but tools that show it.
struct SoftwareInfo {
  std::string software;
  std::string company;
  std::string author;
  std::string website;
  std::string email;
};
// The program's own texts, "Software" being "Glimmerdeck <version>".
SoftwareInfo ThisSoftware(std::string_view versionText);
void WriteSoftwareInfo(IniStore& ini, const std::string& file, const SoftwareInfo& info);
SoftwareInfo ReadSoftwareInfo(IniStore& ini, const std::string& file);

// [Package Info]: what the package's author tells about it, and the date of the last save.
struct PackageInfo {
  std::string author;
  std::string email;
  std::string website;
  std::string comments;
  std::string date;
};
inline constexpr std::size_t kPackageInfoFieldLength = 199;
inline constexpr std::size_t kPackageCommentsLength = 399;

PackageInfo ReadPackageInfo(IniStore& ini, const std::string& file);
// Writes "Author", "Email", "Website" and "Comments" (not "Date"), each cut to what the
// Package Info dialog takes, the comments on one line.
void WritePackageInfoFields(IniStore& ini, const std::string& file, const PackageInfo& info);
void WritePackageDate(IniStore& ini, const std::string& file, const std::tm& date);

// "March 05, 2002": full English month name, two-digit day, four-digit year; empty for a
// date that has no month.
std::string FormatPackageDate(const std::tm& date);
// A value is one line: each line break, a carriage return and line feed pair or either
// alone, becomes one blank.
std::string JoinLines(std::string_view text);

}  // namespace gd
