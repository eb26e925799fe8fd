// Connects the main window's start-up and Apply to packages, restoring, applying and the
// icon cache rebuild.
#include "app/catalogue_operations.h"

#include "package/package_loader.h"
#include "system/apply.h"
#include "system/restore.h"

namespace gd {

CatalogueOperations::CatalogueOperations(SlotCatalogue& catalogue, CatalogueEvents& events,
                                         PackageHost& files, SystemEffects& effects,
                                         CacheRebuilder& rebuilder)
    : catalogue_(catalogue), events_(events), files_(files), effects_(effects),
      rebuilder_(rebuilder) {}

bool CatalogueOperations::LoadPackage(AppState& state) {
  loading_ = &state.page;
  const int result = gd::LoadPackage(catalogue_, state.page, events_, *this);
  loading_ = nullptr;
  return result == 1;
}

void CatalogueOperations::RestoreAllIconsQuietly(AppState& state) {
  gd::RestoreAllIcons(catalogue_, state.page, events_, true, false);
}

void CatalogueOperations::RestoreAllCursorsQuietly(AppState& state) {
  gd::RestoreAllCursors(catalogue_, state.page, events_, true, false);
}

void CatalogueOperations::ApplyToSystem(AppState& state) {
  if (!state.localUpdate) return;
  // The lists are built with the drives shared by type; only the Drives tab switched to
  // individual letters would make a letter set back to its default lose its own key.
  gd::ApplyToSystem(catalogue_, state.page, events_, effects_, ApplyOptions{});
}

void CatalogueOperations::RebuildIconCache(AppState&) {
  CatalogueSystem& system = catalogue_.system();
  gd::RebuildIconCache(catalogue_.inputs(),
                       IconCacheServices{system.registry, system.shell, system.prompt, rebuilder_});
}

void CatalogueOperations::RestoreAllIcons(bool includedOnly) {
  if (loading_) gd::RestoreAllIcons(catalogue_, *loading_, events_, true, includedOnly);
}

void CatalogueOperations::RestoreAllCursors(bool includedOnly) {
  if (loading_) gd::RestoreAllCursors(catalogue_, *loading_, events_, true, includedOnly);
}

std::optional<std::string> CatalogueOperations::InstallZippedPackage(const std::string& archive) {
  return files_.InstallZippedPackage(archive);
}

bool CatalogueOperations::CreateShortcut(const std::string& shortcut, const std::string& target) {
  return files_.CreateShortcut(shortcut, target);
}

}  // namespace gd
