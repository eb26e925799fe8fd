// Wiring of the category builders into the catalogue.
#include "catalogue/builders.h"

#include "catalogue/drive_builder.h"

namespace gd {

void InstallBuilders(SlotCatalogue& catalogue) {
  catalogue.SetBuilder(category::kDesktop, BuildDesktopIcons);
  catalogue.SetBuilder(category::kStart, BuildStartMenuIcons);
  catalogue.SetBuilder(category::kFolders, BuildFolderIcons);
  // Building everything at once (before a load, a restore or a save) uses the shared drive
  // names that packages carry; the Drives tab itself builds in the mode the user chose.
  catalogue.SetBuilder(category::kDrives,
                       [](SlotCatalogue& c) { BuildDriveIconsInMode(c, false); });
  catalogue.SetBuilder(category::kOthers, BuildOtherIcons);
  catalogue.SetBuilder(category::kFiles, BuildFileTypeIcons);
  catalogue.SetBuilder(category::kCursors, BuildCursors);
  catalogue.SetBuilder(category::kQuickLaunch, BuildQuickLaunchIcons);
}

std::string PlaceholderFile(const SlotCatalogue& catalogue) {
  return catalogue.inputs().appPath + "\\Glimmerdeck.exe";
}

}  // namespace gd
