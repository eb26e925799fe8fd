// Listing the registered file types and the rules of adding one to the Files list.
#include "ui/file_types.h"

#include <array>
#include <cctype>

#include "platform/path_text.h"
#include "platform/text_case.h"
#include "settings/settings_store.h"
#include "system/backup_files.h"

namespace gd {
namespace {

// Types whose icon the shell takes from the file itself or that the program needs as they are.
constexpr std::array<std::string_view, 6> kRefusedTypes{".exe", ".com", ".cur", ".ico", ".ani", ".lnk"};
constexpr std::string_view kNotExist = "NOTEXIST";

bool Unset(const std::string& text) { return text.empty() || text == kRegTextSentinel; }

std::string Capitals(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

}  // namespace

std::vector<FileTypeRow> ListFileTypes(Registry& registry, std::string_view windowsDir) {
  std::vector<FileTypeRow> rows;
  TextList keys;
  registry.ListRegSubkeys(RegRoot::ClassesRoot, "", keys);
  for (const std::string& key : keys) {
    if (!key.starts_with('.')) continue;
    const std::string cls = registry.ReadText(RegRoot::ClassesRoot, key, "");
    if (Unset(cls)) continue;
    FileTypeRow row{Capitals(key.substr(1)), registry.ReadText(RegRoot::ClassesRoot, cls, ""), std::nullopt, 0};
    if (Unset(row.typeName)) row.typeName = row.extension + " File";
    std::string icon = registry.ReadText(RegRoot::ClassesRoot, cls + "\\DefaultIcon", "");
    if (!Unset(icon) && icon != "%1" && icon != "\"%1\"") {
      row.iconIndex = ParseIconRef(icon, windowsDir, PathContext{});
      row.iconFile = icon;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

NewExtension MakeNewExtension(std::string_view extension, std::string_view description) {
  if (extension.empty()) return {"You must enter a file extension to continue.", {}};
  if (description.empty()) return {"You must enter a description to continue.", {}};
  if (extension.starts_with('.')) extension.remove_prefix(1);
  return {std::nullopt, FileTypeRow{Capitals(extension), std::string(description), std::nullopt, 0}};
}

std::optional<FileTypeRow> DroppedFileType(std::string_view path) {
  const std::string name = FileName(path);
  const std::size_t dot = name.find('.');
  if (dot == std::string::npos || dot + 1 == name.size()) return std::nullopt;
  const std::string extension = name.substr(dot + 1);
  return FileTypeRow{extension, Capitals(extension) + " File", std::nullopt, 0};
}

AddRefusal AddFileType(std::string_view extension, SlotCatalogue& catalogue) {
  const std::string dotted = "." + std::string(extension);
  for (const std::string_view refused : kRefusedTypes) {
    if (EqualsIgnoreCase(dotted, refused)) return AddRefusal::Protected;
  }
  CatalogueSystem& system = catalogue.system();
  const std::string& appPath = catalogue.inputs().appPath;
  // A section whose "Default" is not there at all reads as the marker: the type is not listed.
  std::array<char, 16> listed{};
  system.ini.GetString(appPath + "\\file icons.ini", dotted, std::string("Default"), std::string(kNotExist), listed);
  bool shown = std::string_view(listed.data()) != kNotExist;
  for (const CatalogueEntry& entry : catalogue.Entries(Category::Files)) {
    shown |= EqualsIgnoreCase(entry.slot->fileType, dotted);
  }
  if (shown) return AddRefusal::AlreadyListed;
  MarkAddedFileType(system.ini, appPath, dotted);
  SettingsStore(system.registry).WriteText(TextSetting::FileType, dotted);
  return AddRefusal::None;
}

}  // namespace gd
