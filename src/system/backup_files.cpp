// Write-once backups in "backup.ini" and the added-type list in "file icons.ini".
#include "system/backup_files.h"

#include <vector>

#include "platform/path_text.h"
#include "platform/registry.h"

namespace gd {
namespace {

constexpr std::string_view kNotExist = "NOTEXIST";
constexpr const char* kDefaultKey = "Default";
constexpr const char* kQuickLaunchSection = "Quick Launch";

}  // namespace

std::string BackupFilePath(std::string_view appPath) {
  return std::string(appPath) + "\\backup.ini";
}

std::string FileIconsFilePath(std::string_view appPath) {
  return std::string(appPath) + "\\file icons.ini";
}

std::string ClassBackupSection(std::string_view defaultIconKey) {
  return "HKEY_CLASSES_ROOT\\" + std::string(defaultIconKey);
}

bool BackUpClassIcon(IniStore& ini, std::string_view appPath, std::string_view defaultIconKey,
                     std::string_view oldValue) {
  const std::string file = BackupFilePath(appPath);
  const std::string section = ClassBackupSection(defaultIconKey);
  // An empty entry is a real backup (the class had no icon), so only the fallback tells that
  // there is none yet.
  std::vector<char> buffer(kIniValueBufferSize, '\0');
  ini.GetString(file, section, std::string(kDefaultKey), std::string(kNotExist), buffer);
  if (std::string_view(buffer.data()) != kNotExist) return false;
  const std::string kept = oldValue == kRegTextSentinel ? std::string() : std::string(oldValue);
  ini.WriteString(file, section, std::string(kDefaultKey), kept);
  return true;
}

void MarkAddedFileType(IniStore& ini, std::string_view appPath, std::string_view extension) {
  ini.WriteString(FileIconsFilePath(appPath), std::string(extension), std::string(kDefaultKey),
                  std::string());
}

bool BackUpQuickLaunchIcon(IniStore& ini, std::string_view appPath, std::string_view name,
                           std::string_view iconPath, int iconIndex) {
  // A reference without a file would later be taken for the shortcut's first icon.
  if (iconPath.empty()) return false;
  const std::string file = BackupFilePath(appPath);
  std::string existing;
  if (ReadIniValue(ini, kQuickLaunchSection, std::string(name), existing, file)) return false;
  ini.WriteString(file, kQuickLaunchSection, std::string(name), MakeIconRef(iconPath, iconIndex));
  return true;
}

}  // namespace gd
