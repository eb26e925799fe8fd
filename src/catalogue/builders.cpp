// Wiring of the category builders into the catalogue.
#include "catalogue/builders.h"

#include "catalogue/drive_builder.h"

namespace gd {

void InstallBuilders(SlotCatalogue& catalogue) {
  catalogue.SetBuilder(Category::Desktop, BuildDesktopIcons);
  catalogue.SetBuilder(Category::Start, BuildStartMenuIcons);
  catalogue.SetBuilder(Category::Folders, BuildFolderIcons);
  // Building everything at once (before a load, a restore or a save) uses the shared drive
  // names that packages carry; the Drives tab itself builds in the mode the user chose.
  catalogue.SetBuilder(Category::Drives,
                       [](SlotCatalogue& c) { BuildDriveIconsInMode(c, false); });
  catalogue.SetBuilder(Category::Others, BuildOtherIcons);
  catalogue.SetBuilder(Category::Files, BuildFileTypeIcons);
  catalogue.SetBuilder(Category::Cursors, BuildCursors);
  catalogue.SetBuilder(Category::QuickLaunch, BuildQuickLaunchIcons);
}

std::string PlaceholderFile(const SlotCatalogue& catalogue) {
  return catalogue.inputs().appPath + "\\Glimmerdeck.exe";
}

}  // namespace gd
