// Fuzzes package values and slot names. The input is lines: a value, the package file, a slot
// name and the source file of a cursor.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "companions/vfzip/entry_name.h"
#include "fuzz_check.h"
#include "package/package_format.h"
#include "package/slot_aliases.h"
#include "platform/text_case.h"

namespace {

const gd::PathContext kContext{"C:\\WINDOWS", "C:\\WINDOWS\\system32", "C:\\Program Files", gd::Os::WindowsXp};

std::vector<std::string_view> Split(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The package folder itself may hold anything: only a folder that is a plain path is put in
// front of a value unchanged.
bool PlainFolder(std::string_view folder) {
  return !folder.starts_with('"') && !folder.starts_with("%SystemRoot%") && !folder.starts_with("%ProgramFiles%");
}

// What a path inside the folder must be whatever rule found it inside: resolved part by part
// (the file system drops trailing dots and blanks, so a part of nothing else may be ".."), it
// never leaves the folder and ends below it, and no part is a device or a stream.
bool ResolvesInside(std::string_view relative) {
  int depth = 0;
  for (std::string_view part : Split(relative, "\\/")) {
    if (part.empty() || part == ".") continue;
    if (part.find_first_not_of(". ") == std::string_view::npos) {
      if (--depth < 0) return false;
    } else if (gd::vfzip::IsDeviceName(part) || part.find(':') != std::string_view::npos) {
      return false;
    } else {
      ++depth;
    }
  }
  return depth > 0;
}

// A name the file system could give a package file, before its extension.
bool CouldNameAFile(std::string_view name) {
  const bool control = std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  return !name.empty() && !control && name.find_first_of("\\/:*?\"<>|") == std::string_view::npos && !name.ends_with('.') &&
         !name.ends_with(' ') && !gd::vfzip::IsDeviceName(name);
}

// The file a save writes for a value is the file a load reads from it.
void CheckCompanion(std::string_view folder, const std::string& value) {
  const auto file = gd::CompanionFilePath(folder, value);
  const gd::PackageIconRef ref = gd::ResolvePackageValue(value, std::string(folder) + "\\", kContext);
  GD_FUZZ_CHECK(file.has_value() == ref.insidePackage);
  GD_FUZZ_CHECK(!file || (*file == ref.path && ref.index == 0));
}

// A value a save writes names a file directly in the folder, one that a load reads back.
void CheckSaved(const std::string& folder, const std::string& value) {
  const auto file = gd::CompanionFilePath(folder, value);
  GD_FUZZ_CHECK(file && file->find_first_of("\\/", folder.size() + 1) == std::string::npos);
  CheckCompanion(folder, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> lines = Split(std::string_view(reinterpret_cast<const char*>(data), size), "\n");
  lines.resize(4);
  const std::string_view value = lines[0], packageFile = lines[1];
  const std::string directory = gd::PackageDirectory(packageFile);
  const std::string folder = gd::RemoveTrailingBackslash(directory);

  const gd::PackageIconRef ref = gd::ResolvePackageValue(value, directory, kContext);
  const std::size_t rest = value.size() > gd::kThemeDirVariable.size() ? value.size() - gd::kThemeDirVariable.size() : 0;
  GD_FUZZ_CHECK(ref.fitsPathBuffer == (directory.size() + rest < gd::kMaxPath));
  if (PlainFolder(directory)) GD_FUZZ_CHECK(ref.path.starts_with(directory));
  if (ref.insidePackage) GD_FUZZ_CHECK(ResolvesInside(std::string_view(ref.path).substr(directory.size())));
  if (PlainFolder(folder) && value.find(',') == std::string_view::npos) CheckCompanion(folder, std::string(value));

  // Whatever a save names its files after, the files stay directly in the folder and load back.
  std::string slot(lines[2]);
  const std::string source(lines[3]);
  const std::string name = gd::PackageName(packageFile);
  if (PlainFolder(folder) && CouldNameAFile(name) && !slot.empty() && !source.ends_with('.') && !source.ends_with(' ')) {
    for (gd::SaveMode mode : {gd::SaveMode::IconLibrary, gd::SaveMode::NumberedFiles, gd::SaveMode::NamedFiles}) {
      gd::CompanionNames names(mode, name);
      if (mode != gd::SaveMode::IconLibrary) CheckSaved(folder, names.NextIconValue(slot));
      CheckSaved(folder, names.NextCursorValue(slot, source));
    }
  }

  // A name saved on any system and view, loaded on any other, comes back as the same key.
  std::string key = slot;
  gd::TranslateSlotName(key, gd::SlotNameDirection::PackageForm, gd::Os::Unknown, gd::CatalogueView::LocalUpdate);
  for (int os = 0; os <= 6; ++os) {
    for (gd::CatalogueView view : {gd::CatalogueView::LocalUpdate, gd::CatalogueView::PackageBuilder}) {
      std::string back = key;
      gd::TranslateSlotName(back, gd::SlotNameDirection::SystemForm, static_cast<gd::Os>(os), view);
      gd::TranslateSlotName(back, gd::SlotNameDirection::PackageForm, static_cast<gd::Os>(os), view);
      GD_FUZZ_CHECK(gd::EqualsIgnoreCase(back, key));
    }
  }
  return 0;
}
