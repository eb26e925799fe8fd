// The export of pickicon.dll: reads the caller's arguments, runs the picker over the active
// window and writes the choice back without ever passing the end of the caller's buffer.
#include "companions/include/pickicon.h"
#include "companions/pickicon/picker_dialog_win32.h"

#include <windows.h>

#include <cstring>

// The module's own base, whose resources hold the picker's template.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

// A title longer than this says nothing more to the user.
constexpr std::size_t kMaxSlotName = 256;

int Run(char* iconFile, int* iconIndex, const char* slotName) {
  gd::pickicon::IconChoice start{std::string(iconFile, strnlen(iconFile, PICKICON_PATH_SIZE)), *iconIndex};
  std::string slot = slotName ? std::string(slotName, strnlen(slotName, kMaxSlotName)) : std::string();
  gd::pickicon::PickerDialog picker(std::move(start), std::move(slot));
  const INT_PTR result = picker.Run(reinterpret_cast<HINSTANCE>(&__ImageBase), GetActiveWindow());
  switch (result) {
    case PICKICON_CHOSEN: {
      const gd::pickicon::IconChoice& chosen = picker.chosen();
      if (chosen.file.size() >= PICKICON_PATH_SIZE) return PICKICON_CANCELLED;
      std::memcpy(iconFile, chosen.file.c_str(), chosen.file.size() + 1);
      *iconIndex = chosen.index;
      return PICKICON_CHOSEN;
    }
    case PICKICON_RESTORE_DEFAULT:
    case PICKICON_RESTORE_CURRENT:
      return static_cast<int>(result);
    default:
      return PICKICON_CANCELLED;  // cancelled, or the dialog could not be shown
  }
}

}  // namespace

extern "C" int __stdcall ChangeIcon(char* icon_file, int* icon_index, const char* slot_name) {
  if (icon_file == nullptr || icon_index == nullptr) return PICKICON_CANCELLED;
  try {
    return Run(icon_file, icon_index, slot_name);
  } catch (...) {
    // Out of memory before the dialog, or while copying the names: nothing changed.
    return PICKICON_CANCELLED;
  }
}
