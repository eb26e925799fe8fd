// Reading and writing the package file and naming its companion files.
#include "package/package_format.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <utility>

#include "catalogue/categories.h"
#include "platform/text_case.h"

namespace gd {
namespace {

constexpr std::size_t kThemeDirLength = kThemeDirVariable.size();

// Fixed texts of [Software Info]; nothing reads them back, they only tell a reader of the
// file what wrote it.
constexpr std::string_view kCompany = "Quillmoor";
constexpr std::string_view kAuthor = "The Glimmerdeck team at Quillmoor";
constexpr std::string_view kWebsite = "http://www.quillmoor.example/glimmerdeck";
constexpr std::string_view kEmail = "support@quillmoor.example";

constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Names the platform opens as devices whatever folder they stand in, with any extension.
bool IsDeviceName(std::string_view component) {
  std::string_view base = component.substr(0, component.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr std::array<std::string_view, 6> kFixed{"CON", "PRN",    "AUX",
                                                          "NUL", "CONIN$", "CONOUT$"};
  for (std::string_view name : kFixed) {
    if (EqualsIgnoreCase(base, name)) return true;
  }
  // The port number is "1" to "9" or a superscript digit of code page 1252, which the
  // platform takes as a digit too.
  const auto digit = base.size() == 4 ? static_cast<unsigned char>(base[3]) : 0;
  if ((digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3) {
    const std::string_view stem = base.substr(0, 3);
    return EqualsIgnoreCase(stem, "COM") || EqualsIgnoreCase(stem, "LPT");
  }
  return false;
}

// Characters no file name holds: a name with them is a pattern or a device path, never one
// file of the folder.
bool HasForbiddenCharacter(std::string_view component) {
  for (char c : component) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || std::strchr("*?\"<>|:", c) != nullptr) return true;
  }
  return false;
}

// The file system drops trailing dots and blanks from a name, so a name of dots and blanks
// alone may mean the parent folder; any such name but "." is taken as one.
bool ClimbsUp(std::string_view component) {
  if (component == ".") return false;
  return component.find_first_not_of(". ") == std::string_view::npos;
}

// A slot or package name as part of a file name: characters that would make it a path or a
// pattern become underscores, so the file stays one file of the package folder, and so does a
// comma, which would end the file's name where a reader looks for the icon index.
std::string FileNamePart(std::string_view name) {
  std::string part(name);
  for (char& c : part) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || std::strchr("\\/:*?\"<>|,", c) != nullptr) c = '_';
  }
  return part;
}

std::string TwoDigits(int number) {
  // Below 10 a zero goes in front; from 10 on the number stands as it is.
  return (number < 10 ? "0" : "") + std::to_string(number);
}

std::string Cut(std::string_view text, std::size_t length) {
  return std::string(text.substr(0, length));
}

std::string ReadValue(IniStore& ini, const std::string& file, std::string_view section,
                      std::string_view key) {
  std::string value;
  ReadIniValue(ini, std::string(section), std::string(key), value, file);
  return value;
}

void WriteValue(IniStore& ini, const std::string& file, std::string_view section,
                std::string_view key, std::string_view value) {
  ini.WriteString(file, std::string(section), std::string(key), std::string(value));
}

}  // namespace

std::vector<std::string> ReadSectionKeys(IniStore& ini, const std::string& file,
                                         const std::string& section) {
  std::vector<char> buffer(kSectionKeyListSize, '\0');
  const std::size_t reported = ini.GetString(file, section, std::nullopt, "", buffer);
  const std::size_t length = std::min(reported, buffer.size() - 1);
  std::vector<std::string> keys;
  std::size_t pos = 0;
  while (pos < length) {
    const std::size_t size = strnlen(buffer.data() + pos, length - pos);
    if (size > 0) keys.emplace_back(buffer.data() + pos, size);
    pos += size + 1;
  }
  return keys;
}

std::string PackageDirectory(std::string_view packageFile) { return FolderOf(packageFile); }

std::string PackageName(std::string_view packageFile) { return FileTitle(packageFile); }

bool StaysInsideFolder(std::string_view relativePath) {
  int depth = 0;
  bool namesSomething = false;
  std::size_t start = 0;
  while (start <= relativePath.size()) {
    std::size_t end = start;
    while (end < relativePath.size() && !IsSeparator(relativePath[end])) ++end;
    const std::string_view component = relativePath.substr(start, end - start);
    start = end + 1;
    if (component.empty() || component == ".") continue;
    if (ClimbsUp(component)) {
      if (--depth < 0) return false;
      continue;
    }
    if (HasForbiddenCharacter(component) || IsDeviceName(component)) return false;
    ++depth;
    namesSomething = true;
  }
  return namesSomething && depth > 0;
}

PackageIconRef ResolvePackageValue(std::string_view value, std::string_view packageDirectory,
                                   const PathContext& context) {
  const std::string_view rest =
      value.size() > kThemeDirLength ? value.substr(kThemeDirLength) : std::string_view{};
  PackageIconRef ref;
  ref.path = std::string(packageDirectory) + std::string(rest);
  ref.fitsPathBuffer = FitsPathBuffer(ref.path);
  // The index follows a comma of the value: a comma in the folder's name is no index.
  if (rest.find(',') != std::string_view::npos) ref.index = ParseIconRef(ref.path, "", context);
  ref.insidePackage = !packageDirectory.empty() && ref.path.starts_with(packageDirectory) &&
                      StaysInsideFolder(std::string_view(ref.path).substr(packageDirectory.size()));
  return ref;
}

SaveMode SaveModeFromSetting(std::uint32_t stored) {
  if (stored == 0 || stored == kRegNumberSentinel) return SaveMode::IconLibrary;
  if (stored == 1) return SaveMode::NumberedFiles;
  return SaveMode::NamedFiles;
}

CompanionNames::CompanionNames(SaveMode mode, std::string packageName)
    : mode_(mode),
      packageName_(std::move(packageName)),
      // Library entries count from 0 as icon indexes do; numbered files from 1.
      iconNumber_(mode == SaveMode::IconLibrary ? 0 : 1) {}

std::string CompanionNames::FileStem(std::string_view slotName) const {
  return std::string(kThemeDirVariable) + FileNamePart(packageName_) + " " + FileNamePart(slotName);
}

std::string CompanionNames::NextIconValue(std::string_view slotName) {
  const std::string theme(kThemeDirVariable);
  switch (mode_) {
    case SaveMode::IconLibrary:
      return theme + packageName_ + ".icl," + std::to_string(iconNumber_++);
    case SaveMode::NumberedFiles:
      return theme + FileNamePart(packageName_) + " Icon " + TwoDigits(iconNumber_++) + ".ico";
    case SaveMode::NamedFiles:
      break;
  }
  return FileStem(slotName) + ".ico";
}

std::string CompanionNames::NextCursorValue(std::string_view slotName,
                                            std::string_view sourcePath) {
  // The copy keeps the source's own format, told by the last four characters of its path.
  const std::size_t cut = std::min<std::size_t>(4, sourcePath.size());
  const std::string extension = FileNamePart(sourcePath.substr(sourcePath.size() - cut));
  if (mode_ == SaveMode::NumberedFiles) {
    return std::string(kThemeDirVariable) + FileNamePart(packageName_) + " Cursor " +
           TwoDigits(cursorNumber_++) + extension;
  }
  return FileStem(slotName) + extension;
}

std::string IconLibraryPath(std::string_view packageFile) {
  return PackageDirectory(packageFile) + PackageName(packageFile) + ".icl";
}

std::optional<std::string> CompanionFilePath(std::string_view packageFolder,
                                             std::string_view value) {
  if (value.size() <= kThemeDirLength) return std::nullopt;
  const std::string_view name = value.substr(kThemeDirLength);
  if (!StaysInsideFolder(name)) return std::nullopt;
  return RemoveTrailingBackslash(packageFolder) + "\\" + std::string(name);
}

SoftwareInfo ThisSoftware(std::string_view versionText) {
  return SoftwareInfo{"Glimmerdeck " + std::string(versionText), std::string(kCompany),
                      std::string(kAuthor), std::string(kWebsite), std::string(kEmail)};
}

void WriteSoftwareInfo(IniStore& ini, const std::string& file, const SoftwareInfo& info) {
  WriteValue(ini, file, kSoftwareInfoSection, "Software", info.software);
  WriteValue(ini, file, kSoftwareInfoSection, "Company", info.company);
  WriteValue(ini, file, kSoftwareInfoSection, "Author", info.author);
  WriteValue(ini, file, kSoftwareInfoSection, "Website", info.website);
  WriteValue(ini, file, kSoftwareInfoSection, "Email", info.email);
}

SoftwareInfo ReadSoftwareInfo(IniStore& ini, const std::string& file) {
  return SoftwareInfo{ReadValue(ini, file, kSoftwareInfoSection, "Software"),
                      ReadValue(ini, file, kSoftwareInfoSection, "Company"),
                      ReadValue(ini, file, kSoftwareInfoSection, "Author"),
                      ReadValue(ini, file, kSoftwareInfoSection, "Website"),
                      ReadValue(ini, file, kSoftwareInfoSection, "Email")};
}

PackageInfo ReadPackageInfo(IniStore& ini, const std::string& file) {
  return PackageInfo{ReadValue(ini, file, kPackageInfoSection, "Author"),
                     ReadValue(ini, file, kPackageInfoSection, "Email"),
                     ReadValue(ini, file, kPackageInfoSection, "Website"),
                     ReadValue(ini, file, kPackageInfoSection, "Comments"),
                     ReadValue(ini, file, kPackageInfoSection, "Date")};
}

void WritePackageInfoFields(IniStore& ini, const std::string& file, const PackageInfo& info) {
  // Each field is one line of the file: a line break in any of them would start a line
  // that the reader takes for a key of its own.
  WriteValue(ini, file, kPackageInfoSection, "Author",
             JoinLines(Cut(info.author, kPackageInfoFieldLength)));
  WriteValue(ini, file, kPackageInfoSection, "Email",
             JoinLines(Cut(info.email, kPackageInfoFieldLength)));
  WriteValue(ini, file, kPackageInfoSection, "Website",
             JoinLines(Cut(info.website, kPackageInfoFieldLength)));
  WriteValue(ini, file, kPackageInfoSection, "Comments",
             JoinLines(Cut(info.comments, kPackageCommentsLength)));
}

void WritePackageDate(IniStore& ini, const std::string& file, const std::tm& date) {
  WriteValue(ini, file, kPackageInfoSection, "Date", FormatPackageDate(date));
}

std::string FormatPackageDate(const std::tm& date) {
  if (date.tm_mon < 0 || date.tm_mon > 11 || date.tm_mday < 1 || date.tm_mday > 31) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%s %02d, %d",
                kMonthNames[static_cast<std::size_t>(date.tm_mon)].data(), date.tm_mday,
                date.tm_year + 1900);
  return text;
}

std::string JoinLines(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      line += ' ';
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      line += ' ';
    } else {
      line += text[i];
    }
  }
  return line;
}

bool IsIconFileName(std::string_view name) {
  return EndsWithIgnoreCase(name, ".ico") || EndsWithIgnoreCase(name, ".cur") ||
         EndsWithIgnoreCase(name, ".ani");
}

std::vector<std::string> OwnIconFiles(IniStore& ini, const std::string& packageFile) {
  const std::string folder = FolderOf(packageFile);
  std::vector<std::string> sections;
  for (Category c : kPackageCategories) sections.emplace_back(CategorySection(c));
  sections.emplace_back(kCustomIconsSection);
  std::vector<std::string> named;
  for (const std::string& section : sections) {
    for (const std::string& key : ReadSectionKeys(ini, packageFile, section)) {
      std::string value;
      if (!ReadIniValue(ini, section, key, value, packageFile)) continue;
      const PackageIconRef ref = ResolvePackageValue(value, folder, PathContext{});
      const std::string_view inFolder = std::string_view(ref.path).substr(folder.size());
      const bool ownFile = ref.insidePackage && ref.fitsPathBuffer &&
                           inFolder.find_first_of("\\/") == std::string_view::npos;
      const bool iconFile = IsIconFileName(inFolder) || EndsWithIgnoreCase(inFolder, ".icl");
      const bool listed = std::any_of(named.begin(), named.end(), [&](const std::string& file) {
        return EqualsIgnoreCase(file, ref.path);
      });
      if (ownFile && iconFile && !listed) named.push_back(ref.path);
    }
  }
  return named;
}

}  // namespace gd
