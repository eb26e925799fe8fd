// Calls the picker library's export with a buffer of the size it promises to respect.
#include "ui/icon_picker_win32.h"

#include <windows.h>

#include <array>

#include "companions/include/pickicon.h"
#include "platform/unique_handle.h"

namespace gd {

PickResult PickIconLibrary::ChangeIcon(std::string& file, int& index, const std::string& slotName) {
  const UniqueModule library(LoadLibraryA(path_.c_str()));
  if (!library) return PickResult::Unavailable;
  const auto change = reinterpret_cast<PickIconChangeIcon>(
      reinterpret_cast<void*>(GetProcAddress(library.get(), "ChangeIcon")));
  if (change == nullptr) return PickResult::Unavailable;
  std::array<char, PICKICON_PATH_SIZE> buffer{};
  file.copy(buffer.data(), buffer.size() - 1);
  int chosenIndex = index;
  switch (change(buffer.data(), &chosenIndex, slotName.c_str())) {
    case PICKICON_CHOSEN:
      buffer.back() = '\0';  // a library that broke its promise still gives a text
      file = buffer.data();
      index = chosenIndex;
      return PickResult::Chosen;
    case PICKICON_RESTORE_DEFAULT: return PickResult::RestoreDefault;
    case PICKICON_RESTORE_CURRENT: return PickResult::RestoreCurrent;
    default: return PickResult::Cancelled;
  }
}

}  // namespace gd
