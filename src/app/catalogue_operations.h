// The main window's operations over the real slot catalogue: loading a package, restoring the
// Windows defaults, applying to the system and rebuilding the shell's icon cache.
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
  CatalogueOperations(SlotCatalogue& catalogue, CatalogueEvents& events, PackageHost& files,
                      SystemEffects& effects, CacheRebuilder& rebuilder);

  bool LoadPackage(AppState& state) override;
  void RestoreAllIconsQuietly(AppState& state) override;
  void RestoreAllCursorsQuietly(AppState& state) override;
  void ApplyToSystem(AppState& state) override;
  void RebuildIconCache(AppState& state) override;

 private:
  // PackageHost, for loading: restores act on the page being loaded.
  void RestoreAllIcons(bool includedOnly) override;
  void RestoreAllCursors(bool includedOnly) override;
  std::optional<std::string> InstallZippedPackage(const std::string& archive) override;
  bool CreateShortcut(const std::string& shortcut, const std::string& target) override;

  SlotCatalogue& catalogue_;
  CatalogueEvents& events_;
  PackageHost& files_;
  SystemEffects& effects_;
  CacheRebuilder& rebuilder_;
  EditState* loading_ = nullptr;  // the page a LoadPackage call is filling
};

}  // namespace gd
