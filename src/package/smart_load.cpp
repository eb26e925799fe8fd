// The Smart Load and Quick Launch Load tables and the fill that each of their rows makes.
#include "package/smart_load.h"

#include <array>
#include <optional>

#include "catalogue/categories.h"
#include "package/package_loader.h"
#include "platform/os_version.h"
#include "platform/text_case.h"

namespace gd {
namespace {

struct FillRow {
  int targetCategory;
  const char* targetName;
  int sourceCategory;
  const char* sourceName;
};

// Rows run in order, so a slot one row fills can be the source of a later row.
constexpr FillRow kFirstRow{0, "My Documents", 1, "Documents"};
// Windows XP only: its start menu shows the browser and mail client of the desktop.
constexpr std::array<FillRow, 3> kXpRows{{
    {1, "Internet", 0, "Internet Explorer"},
    {1, "E-mail", 0, "Microsoft Outlook"},
    {1, "E-mail", 0, "In Box"},
}};
constexpr std::array<FillRow, 19> kOtherRows{{
    {1, "Programs", 2, "Program Group"},
    {1, "Favorites", 2, "Favorites"},
    {1, "Documents", 0, "My Documents"},
    {1, "Settings - Control Panel", 2, "Control Panel"},
    {1, "Settings - Printers", 2, "Printers"},
    {2, "Programs Group", 1, "Programs"},
    {2, "Users Program Group", 2, "Program Group"},
    {2, "Control Panel", 1, "Settings - Control Panel"},
    {2, "Printers", 1, "Settings - Printers"},
    {2, "Administrative Tools", 2, "Control Panel"},
    {2, "Web Folders", 2, "ActiveX Cache"},
    {2, "Network Connections", 2, "Web Folders"},
    {2, "Favorites", 1, "Favorites"},
    {3, "Floppy Drive 5\xBC", 3, "Floppy Drive 3\xBD"},
    {3, "Floppy Drive 3\xBD", 3, "Floppy Drive 5\xBC"},
    {3, "Network Drive (connected)", 3, "Hard Drive"},
    {3, "Network Drive (offline)", 3, "Hard Drive"},
    {4, "Network Service", 4, "Entire Network"},
    {4, "Audio CD", 3, "CD-Rom Drive"},
}};

constexpr std::array<FillRow, 4> kQuickLaunchRows{{
    {7, "Windows Explorer", 0, "My Computer"},
    {7, "Internet Explorer", 0, "Internet Explorer"},
    {7, "Outlook Express", 0, "In Box"},
    {7, "Outlook Express", 1, "E-mail"},
}};

bool ContainsIgnoreCase(std::string_view text, std::string_view part) {
  return FoldCase(text).find(FoldCase(part)) != std::string::npos;
}

std::optional<std::size_t> FindTarget(const SlotCatalogue& catalogue, int category,
                                      std::string_view name) {
  const auto& entries = catalogue.Entries(category);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (StartsWithIgnoreCase(entries[i].name, name)) return i;
  }
  // Quick Launch items are named after their shortcut files, which vary more.
  if (category == category::kQuickLaunch) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (ContainsIgnoreCase(entries[i].name, name)) return i;
    }
  }
  return std::nullopt;
}

int Fill(SlotCatalogue& catalogue, const IncludeFlags& include, PageEvents& events,
         FillMarks& marks, const FillRow& row) {
  return SmartFill(catalogue, include, events, marks, row.targetCategory, row.targetName,
                   row.sourceCategory, row.sourceName);
}

// When the package names the old desktop "In Box" that this system has no slot for, its
// value still reaches the start menu's E-mail.
void FillMailFromInBox(SlotCatalogue& catalogue, const IncludeFlags& include,
                       PageEvents& events, FillMarks& marks, const std::string& packageFile) {
  if (!include[category::kStart]) return;
  const std::optional<std::size_t> item = FindItem(catalogue, category::kStart, "E-mail");
  if (!item) return;
  std::string value;
  if (!ReadIniValue(catalogue.system().ini, std::string(CategorySection(category::kDesktop)),
                    "In Box", value, packageFile)) {
    return;
  }
  if (marks.Has(*catalogue.Entries(category::kStart)[*item].slot)) return;
  SetSlotFromValue(catalogue, events, category::kStart, *item, value, FolderOf(packageFile),
                   &marks);
}

}  // namespace

int SmartFill(SlotCatalogue& catalogue, const IncludeFlags& include, PageEvents& events,
              FillMarks& marks, int targetCategory, std::string_view targetName, int sourceCategory,
              std::string_view sourceName) {
  if (targetCategory < 0 || targetCategory >= kCategoryCount) return 0;
  if (sourceCategory < 0 || sourceCategory >= kCategoryCount) return 0;
  if (targetCategory != category::kQuickLaunch &&
      !include[static_cast<std::size_t>(targetCategory)]) {
    return 0;
  }
  const std::optional<std::size_t> target = FindTarget(catalogue, targetCategory, targetName);
  if (!target) return 0;
  IconSlot& targetSlot = *catalogue.Entries(targetCategory)[*target].slot;
  if (marks.Has(targetSlot)) return 0;
  const std::optional<std::size_t> source = FindItem(catalogue, sourceCategory, sourceName);
  if (!source) return 0;
  const IconSlot& sourceSlot = *catalogue.Entries(sourceCategory)[*source].slot;
  if (!marks.Has(sourceSlot)) return 0;
  // A copy, not a comparison: the target is marked changed even where the source's icon
  // happens to be the target's current one, and a missing image stays marked.
  targetSlot.iconPath = sourceSlot.iconPath;
  targetSlot.iconIndex = sourceSlot.iconIndex;
  targetSlot.flags |= slotflag::kChanged;
  marks.Add(targetSlot);
  events.SlotRefreshed(targetCategory, static_cast<int>(*target));
  return 1;
}

void RunSmartLoad(SlotCatalogue& catalogue, const IncludeFlags& include, PageEvents& events,
                  FillMarks& marks, const std::string& packageFile) {
  Fill(catalogue, include, events, marks, kFirstRow);
  if (catalogue.inputs().osVersion == Os::WindowsXp) {
    for (const FillRow& row : kXpRows) {
      if (Fill(catalogue, include, events, marks, row) == 0 && &row == &kXpRows.back()) {
        FillMailFromInBox(catalogue, include, events, marks, packageFile);
      }
    }
  }
  for (const FillRow& row : kOtherRows) Fill(catalogue, include, events, marks, row);
}

void RunQuickLaunchLoad(SlotCatalogue& catalogue, const IncludeFlags& include,
                        PageEvents& events, FillMarks& marks) {
  catalogue.BuildCategory(category::kQuickLaunch);
  for (const FillRow& row : kQuickLaunchRows) Fill(catalogue, include, events, marks, row);
}

}  // namespace gd
