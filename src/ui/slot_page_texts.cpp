// The Icons & Cursors page's texts and rules.
#include "ui/slot_page_texts.h"

#include "platform/text_case.h"

namespace gd {
namespace {

// The placeholder icons of the Package Builder view and the default cursors live in the
// program itself.
bool IsProgramIcon(std::string_view path) { return FoldCase(path).find("glimmerdeck.exe") != std::string::npos; }

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualsIgnoreCase(text.substr(text.size() - end.size()), end);
}

}  // namespace

std::string SlotStatusText(const IconSlot* slot, Category category, bool localUpdate) {
  if (slot == nullptr) return "No Quick Launch items found";
  if ((slot->flags & slotflag::kMissingImage) == slotflag::kMissingImage) {
    return "Missing or invalid graphic configured for this icon";
  }
  if (category == Category::Cursors) {
    return IsProgramIcon(slot->iconPath) ? "Windows Default Cursor" : std::string(kFileNamePrefix) + slot->iconPath;
  }
  if (!localUpdate && IsProgramIcon(slot->iconPath)) return "Windows Default Icon";
  return std::string(kFileNamePrefix) + slot->iconPath + "," + std::to_string(slot->iconIndex);
}

bool ChangeNeedsCacheRebuild(Os os, Category category) {
  const bool nt = os == Os::WindowsNt4 || os == Os::Windows2000 || os == Os::WindowsXp;
  return nt && (category == Category::Start || category == Category::Folders || category == Category::Drives ||
                category == Category::Others);
}

RestoreMenuTexts RestoreTexts(Category category) {
  if (category == Category::Cursors) return {"Restore &current cursor", "Restore all Cursors"};
  return {"Restore &current icon", "Restore all " + std::string(kTabNames[static_cast<int>(category)]) + " icons"};
}

DropRefusal CheckDroppedFile(Category category, std::string_view file, int iconCount) {
  if (iconCount <= 0) return DropRefusal::NoIcons;
  if (category == Category::Cursors && !EndsWithIgnoringCase(file, ".cur") && !EndsWithIgnoringCase(file, ".ani")) {
    return DropRefusal::NotACursor;
  }
  return DropRefusal::None;
}

}  // namespace gd
