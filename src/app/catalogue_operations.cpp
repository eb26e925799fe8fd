// Connects the main window's commands to packages, restoring, saving, applying and the icon
// cache rebuild.
#include "app/catalogue_operations.h"

#include "package/package_loader.h"
#include "system/apply.h"
#include "system/restore.h"

namespace gd {

CatalogueOperations::CatalogueOperations(SlotCatalogue& catalogue, PackageHost& files,
                                         SystemEffects& effects, CacheRebuilder& rebuilder)
    : catalogue_(catalogue), files_(files), effects_(effects), rebuilder_(rebuilder) {}

bool CatalogueOperations::LoadPackage(AppState& state, CatalogueEvents& events) {
  loading_ = &state.page;
  loadingEvents_ = &events;
  const int result = gd::LoadPackage(catalogue_, state.page, events, *this);
  loading_ = nullptr;
  loadingEvents_ = nullptr;
  return result == 1;
}

void CatalogueOperations::RestoreAllIcons(AppState& state, CatalogueEvents& events, bool quiet) {
  gd::RestoreAllIcons(catalogue_, state.page, events, quiet, false);
}

void CatalogueOperations::RestoreAllCursors(AppState& state, CatalogueEvents& events, bool quiet) {
  gd::RestoreAllCursors(catalogue_, state.page, events, quiet, false);
}

void CatalogueOperations::ApplyToSystem(AppState& state, CatalogueEvents& events) {
  if (!state.localUpdate) return;
  // The lists are built with the drives shared by type; only the Drives tab switched to
  // individual letters would make a letter set back to its default lose its own key.
  gd::ApplyToSystem(catalogue_, state.page, events, effects_, ApplyOptions{});
}

void CatalogueOperations::RebuildIconCache(AppState&) {
  CatalogueSystem& system = catalogue_.system();
  gd::RebuildIconCache(catalogue_.inputs(),
                       IconCacheServices{system.registry, system.shell, system.prompt, rebuilder_});
}

void CatalogueOperations::SavePackage(AppState& state, CatalogueEvents& events, SaveHost& host,
                                      bool saveAs) {
  gd::SavePackage(catalogue_, state.page, events, host, saveAs);
}

void CatalogueOperations::SwitchView(AppState& state, bool localUpdate) {
  state.localUpdate = localUpdate;
  catalogue_.SetView(localUpdate ? CatalogueView::LocalUpdate : CatalogueView::PackageBuilder);
}

PathContext CatalogueOperations::IconPaths() { return catalogue_.inputs().paths; }

void CatalogueOperations::RestoreAllIcons(bool includedOnly) {
  if (loading_) gd::RestoreAllIcons(catalogue_, *loading_, *loadingEvents_, true, includedOnly);
}

void CatalogueOperations::RestoreAllCursors(bool includedOnly) {
  if (loading_) gd::RestoreAllCursors(catalogue_, *loading_, *loadingEvents_, true, includedOnly);
}

std::optional<std::string> CatalogueOperations::InstallZippedPackage(const std::string& archive) {
  return files_.InstallZippedPackage(archive);
}

bool CatalogueOperations::CreateShortcut(const std::string& shortcut, const std::string& target) {
  return files_.CreateShortcut(shortcut, target);
}

}  // namespace gd
