// The main window's operations over the real slot catalogue: loading a package, restoring the
// Windows defaults, saving, applying to the system and rebuilding the shell's icon cache.
#pragma once

#include "ui/page_operations.h"
#include "catalogue/slot_catalogue.h"
#include "package/package_host.h"
#include "system/icon_cache.h"
#include "system/system_effects.h"

namespace gd {

class CatalogueOperations final : public PageOperations, private PackageHost {
 public:
  // `files` unpacks archives and makes shortcuts; restoring is done here, on the same page.
  CatalogueOperations(SlotCatalogue& catalogue, PackageHost& files, SystemEffects& effects,
                      CacheRebuilder& rebuilder);

  bool LoadPackage(AppState& state, CatalogueEvents& events) override;
  void RestoreAllIcons(AppState& state, CatalogueEvents& events, bool quiet) override;
  void RestoreAllCursors(AppState& state, CatalogueEvents& events, bool quiet) override;
  void ApplyToSystem(AppState& state, CatalogueEvents& events) override;
  void RebuildIconCache(AppState& state) override;
  void SavePackage(AppState& state, CatalogueEvents& events, SaveHost& host, bool saveAs) override;
  void SwitchView(AppState& state, bool localUpdate) override;
  PathContext IconPaths() override;

 private:
  // PackageHost, for loading: restores act on the page being loaded.
  void RestoreAllIcons(bool includedOnly) override;
  void RestoreAllCursors(bool includedOnly) override;
  std::optional<std::string> InstallZippedPackage(const std::string& archive) override;
  bool CreateShortcut(const std::string& shortcut, const std::string& target) override;

  SlotCatalogue& catalogue_;
  PackageHost& files_;
  SystemEffects& effects_;
  CacheRebuilder& rebuilder_;
  EditState* loading_ = nullptr;  // the page a LoadPackage call is filling
  CatalogueEvents* loadingEvents_ = nullptr;
};

}  // namespace gd
