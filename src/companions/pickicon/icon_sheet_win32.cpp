// Reading a file's icon groups with the project's readers and turning them into an image list.
#include "companions/pickicon/icon_sheet_win32.h"

#include <windows.h>
#include <commctrl.h>

#include "companions/pickicon/image_choice.h"
#include "iconfmt/icon_handle_win32.h"
#include "iconfmt/icon_loader.h"
#include "platform/path_text.h"
#include "platform/unique_handle.h"

namespace gd::pickicon {
namespace {

std::string Expanded(const std::string& typed) {
  char buffer[4096];
  const DWORD length = ExpandEnvironmentStringsA(typed.c_str(), buffer, sizeof buffer);
  return length > 0 && length <= sizeof buffer ? std::string(buffer) : typed;
}

// True when the enumeration found a group-icon resource; it stops at the first.
BOOL CALLBACK NoteGroup(HMODULE, LPCSTR, LPSTR, LONG_PTR found) noexcept {
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

// Why nothing could be read: the file is missing, or it is a module that the loader maps but
// that has no icon groups, or else it is damaged or of another kind.
SheetProblem ProblemOf(const std::string& path) {
  UniqueModule module(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (module) {
    bool found = false;
    EnumResourceNamesA(module.get(), MAKEINTRESOURCEA(14), NoteGroup, reinterpret_cast<LONG_PTR>(&found));
    return found ? SheetProblem::Unreadable : SheetProblem::NoIcons;
  }
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return SheetProblem::NotFound;
  return SheetProblem::Unreadable;
}

}  // namespace

IconSheet LoadIconSheet(const std::string& typed, int size) {
  IconSheet sheet;
  if (typed.empty()) {
    sheet.problem = SheetProblem::NoPath;
    return sheet;
  }
  if (!FitsPathBuffer(typed)) {
    sheet.problem = SheetProblem::TooLong;
    return sheet;
  }
  const std::string path = Expanded(typed);
  // Browser names keep the readers from collecting names that the list does not show.
  const auto file = LoadAllIcons(path, true);
  if (!file) {
    sheet.problem = ProblemOf(path);
    return sheet;
  }
  if (file->groups.empty()) {
    sheet.problem = SheetProblem::NoIcons;
    return sheet;
  }
  const int count = static_cast<int>(file->groups.size());
  sheet.images.reset(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, count, 0));
  if (!sheet.images) {
    sheet.problem = SheetProblem::Unreadable;
    return sheet;
  }
  sheet.imageOf.reserve(file->groups.size());
  for (const IconGroup& group : file->groups) {
    const IconImage* image = ChooseImage(group, size);
    const UniqueIcon icon = image ? CreateIconFromImage(*image) : UniqueIcon();
    const int added = icon ? ImageList_ReplaceIcon(sheet.images.get(), -1, icon.get()) : -1;
    sheet.imageOf.push_back(added >= 0 ? added : I_IMAGENONE);
  }
  return sheet;
}

}  // namespace gd::pickicon
