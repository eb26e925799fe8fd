// Putting every slot of the restored categories back to its Windows default.
#include "platform/program_identity.h"
#include "system/restore.h"

#include "platform/os_version.h"
#include "settings/settings_store.h"

namespace gd {
namespace {


bool Confirmed(SlotCatalogue& catalogue, const char* question) {
  const PromptAnswer answer = catalogue.system().prompt.Ask(
      {question, kAppTitle, PromptIcon::Question, PromptButtons::YesNo});
  return answer == PromptAnswer::Yes;
}

void RestoreCategory(SlotCatalogue& catalogue, CatalogueEvents& events, Category category) {
  auto& entries = catalogue.Entries(category);
  for (std::size_t item = 0; item < entries.size(); ++item) {
    IconSlot& slot = *entries[item].slot;
    if (slot.defaultPath.empty()) continue;  // no default to give back
    if (catalogue.RestoreSlot(slot, false, true) != 0) {
      events.SlotRefreshed(category, static_cast<int>(item));
    }
  }
}

}  // namespace

void RestoreAllIcons(SlotCatalogue& catalogue, EditState& page, CatalogueEvents& events, bool quiet,
                     bool includedOnly) {
  if (!quiet) {
    if (!Confirmed(catalogue, kRestoreIconsQuestion)) return;
    page.packageFile.clear();
    events.TitleChanged();
  }
  catalogue.BuildAll(false);
  for (Category category : kPackageCategories) {
    if (category == Category::Cursors) continue;  // restored on their own
    if (includedOnly && !page.include[Index(category)]) continue;
    RestoreCategory(catalogue, events, category);
  }
  if (SettingsStore(catalogue.system().registry).IsOn(Flag::RestoreIconsLaunch)) {
    catalogue.BuildCategory(Category::QuickLaunch);
    RestoreCategory(catalogue, events, Category::QuickLaunch);
  }
  events.ListsChanged();
  const Os os = catalogue.inputs().osVersion;
  if (os == Os::WindowsNt4 || os == Os::Windows2000 || os == Os::WindowsXp) {
    page.needCacheRebuild = true;
  }
  events.ApplyEnabled();
  page.pendingChanges = true;
}

void RestoreAllCursors(SlotCatalogue& catalogue, EditState& page, CatalogueEvents& events, bool quiet,
                       bool includedOnly) {
  if (!quiet && !Confirmed(catalogue, kRestoreCursorsQuestion)) return;
  if (includedOnly && !page.include[Index(Category::Cursors)]) return;
  catalogue.BuildCategory(Category::Cursors);
  RestoreCategory(catalogue, events, Category::Cursors);
  events.ListsChanged();
  events.ApplyEnabled();
  page.pendingChanges = true;
}

}  // namespace gd
