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
  Category targetCategory;
  const char* targetName;
  Category sourceCategory;
  const char* sourceName;
};

using enum Category;

// Rows run in order, so a slot one row fills can be the source of a later row.
constexpr FillRow kFirstRow{Desktop, "My Documents", Start, "Documents"};
// Windows XP only: its start menu shows the browser and mail client of the desktop.
constexpr std::array<FillRow, 3> kXpRows{{
    {Start, "Internet", Desktop, "Internet Explorer"},
    {Start, "E-mail", Desktop, "Microsoft Outlook"},
    {Start, "E-mail", Desktop, "In Box"},
}};
constexpr std::array<FillRow, 19> kOtherRows{{
    {Start, "Programs", Folders, "Program Group"},
    {Start, "Favorites", Folders, "Favorites"},
    {Start, "Documents", Desktop, "My Documents"},
    {Start, "Settings - Control Panel", Folders, "Control Panel"},
    {Start, "Settings - Printers", Folders, "Printers"},
    {Folders, "Programs Group", Start, "Programs"},
    {Folders, "Users Program Group", Folders, "Program Group"},
    {Folders, "Control Panel", Start, "Settings - Control Panel"},
    {Folders, "Printers", Start, "Settings - Printers"},
    {Folders, "Administrative Tools", Folders, "Control Panel"},
    {Folders, "Web Folders", Folders, "ActiveX Cache"},
    {Folders, "Network Connections", Folders, "Web Folders"},
    {Folders, "Favorites", Start, "Favorites"},
    {Drives, "Floppy Drive 5\xBC", Drives, "Floppy Drive 3\xBD"},
    {Drives, "Floppy Drive 3\xBD", Drives, "Floppy Drive 5\xBC"},
    {Drives, "Network Drive (connected)", Drives, "Hard Drive"},
    {Drives, "Network Drive (offline)", Drives, "Hard Drive"},
    {Others, "Network Service", Others, "Entire Network"},
    {Others, "Audio CD", Drives, "CD-Rom Drive"},
}};

constexpr std::array<FillRow, 4> kQuickLaunchRows{{
    {QuickLaunch, "Windows Explorer", Desktop, "My Computer"},
    {QuickLaunch, "Internet Explorer", Desktop, "Internet Explorer"},
    {QuickLaunch, "Outlook Express", Desktop, "In Box"},
    {QuickLaunch, "Outlook Express", Start, "E-mail"},
}};

bool ContainsIgnoreCase(std::string_view text, std::string_view part) {
  return FoldCase(text).find(FoldCase(part)) != std::string::npos;
}

std::optional<std::size_t> FindTarget(const SlotCatalogue& catalogue, Category category,
                                      std::string_view name) {
  const auto& entries = catalogue.Entries(category);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (StartsWithIgnoreCase(entries[i].name, name)) return i;
  }
  // Quick Launch items are named after their shortcut files, which vary more.
  if (category == Category::QuickLaunch) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (ContainsIgnoreCase(entries[i].name, name)) return i;
    }
  }
  return std::nullopt;
}

int Fill(SlotCatalogue& catalogue, const IncludeFlags& include, CatalogueEvents& events,
         FillMarks& marks, const FillRow& row) {
  return SmartFill(catalogue, include, events, marks, row.targetCategory, row.targetName,
                   row.sourceCategory, row.sourceName);
}

// When the package names the old desktop "In Box" that this system has no slot for, its
// value still reaches the start menu's E-mail.
void FillMailFromInBox(SlotCatalogue& catalogue, const IncludeFlags& include,
                       CatalogueEvents& events, FillMarks& marks, const std::string& packageFile) {
  if (!include[Index(Category::Start)]) return;
  const std::optional<std::size_t> item = FindItem(catalogue, Category::Start, "E-mail");
  if (!item) return;
  std::string value;
  if (!ReadIniValue(catalogue.system().ini, std::string(CategorySection(Category::Desktop)),
                    "In Box", value, packageFile)) {
    return;
  }
  if (marks.Has(*catalogue.Entries(Category::Start)[*item].slot)) return;
  SetSlotFromValue(catalogue, events, Category::Start, *item, value, FolderOf(packageFile),
                   &marks);
}

}  // namespace

int SmartFill(SlotCatalogue& catalogue, const IncludeFlags& include, CatalogueEvents& events,
              FillMarks& marks, Category targetCategory, std::string_view targetName,
              Category sourceCategory, std::string_view sourceName) {
  if (targetCategory != Category::QuickLaunch && !include[Index(targetCategory)]) {
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

void RunSmartLoad(SlotCatalogue& catalogue, const IncludeFlags& include, CatalogueEvents& events,
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
                        CatalogueEvents& events, FillMarks& marks) {
  catalogue.BuildCategory(Category::QuickLaunch);
  for (const FillRow& row : kQuickLaunchRows) Fill(catalogue, include, events, marks, row);
}

}  // namespace gd
