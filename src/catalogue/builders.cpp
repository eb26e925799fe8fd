// Wiring of the category builders into the catalogue.
#include "catalogue/builders.h"

namespace gd {

void InstallBuilders(SlotCatalogue& catalogue) {
  catalogue.SetBuilder(category::kDesktop, BuildDesktopIcons);
  catalogue.SetBuilder(category::kStart, BuildStartMenuIcons);
  catalogue.SetBuilder(category::kFolders, BuildFolderIcons);
  catalogue.SetBuilder(category::kDrives, BuildDriveIcons);
  catalogue.SetBuilder(category::kOthers, BuildOtherIcons);
  catalogue.SetBuilder(category::kFiles, BuildFileTypeIcons);
  catalogue.SetBuilder(category::kCursors, BuildCursors);
  catalogue.SetBuilder(category::kQuickLaunch, BuildQuickLaunchIcons);
}

std::string PlaceholderFile(const SlotCatalogue& catalogue) {
  return catalogue.inputs().appPath + "\\Glimmerdeck.exe";
}

}  // namespace gd
