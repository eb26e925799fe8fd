// Saving the catalogue's slots as a package: the package file and its icon files in a folder
// of their own; a package that is replaced is rebuilt in a scratch folder and copied back.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/edit_state.h"
#include "catalogue/slot_catalogue.h"

namespace gd {

// What saving needs from the program besides the catalogue's own system: dialogs, files and
// folders, the icon writers and the loader. The real program answers with the platform;
// tests with a folder held in memory.
class SaveHost {
 public:
  virtual ~SaveHost() = default;
  // The save-file dialog opened in `initialFolder`; none when the user cancels.
  virtual std::optional<std::string> ChooseSaveFile(const std::string& initialFolder) = 0;
  // The Package Info dialog for a package file; it writes what the user enters.
  virtual void ShowPackageInfo(const std::string& packageFile) = 0;
  virtual void ShowWaitCursor() = 0;
  virtual bool CreateFolder(const std::string& folder) = 0;
  // Copies a file, replacing one of the same name.
  virtual bool CopyFileOver(const std::string& from, const std::string& to) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // The names (without folder) of the files directly in a folder.
  virtual std::vector<std::string> ListFiles(const std::string& folder) = 0;
  virtual void DeleteFolderTree(const std::string& folder) = 0;
  // Loads a package into the slots, as the Packages page's Load does.
  virtual void ReloadPackage(const std::string& packageFile) = 0;
  // Writes the icon at `index` of `source` as an icon file; icon and cursor files are copied.
  virtual bool ConvertToIconFile(const std::string& source, int index,
                                 const std::string& destination) = 0;
  // Whether the library builder can read the icon a reference names: only such references
  // may take a number in the library, or every later entry would name the wrong icon.
  virtual bool CanGatherIcon(const std::string& reference) = 0;
  // Gathers the referenced icons (newest reference first) into an icon library; false when
  // the library file could not be written.
  virtual bool BuildIconLibrary(const std::string& libraryPath,
                                const std::vector<std::string>& references) = 0;
  // The local date of the save.
  virtual std::tm Today() = 0;
};

inline constexpr char kLibraryWriteErrorText[] = "Error writing library file.";
// With the folder a save left behind.
inline constexpr char kLeftoverScratchQuestion[] =
    "An earlier save of this package did not finish. Its files were kept in:\n\n%s\n\nDelete "
    "them and save the package again?";
// With the folder that holds another package.
inline constexpr char kReplaceOtherPackageQuestion[] =
    "The folder\n\n%s\n\nalready holds another icon package, which the saved package would "
    "replace. Replace it?";
// With the file that could not be copied; the folder that keeps the new package follows.
inline constexpr char kNotPutInPlaceMessage[] =
    "The saved package could not be put in place: %s could not be copied.\n\nThe package that "
    "was there is unchanged. The new one is kept in:\n\n";

// Where one save writes.
struct SaveLocation {
  std::string packagePath;    // the package file that is written
  std::string packageFolder;  // its folder, no trailing backslash
  std::string newFolder;      // a folder to create first; empty when none is needed
  // Replacing: the folder under the Themes directory that the finished package is copied
  // into (the scratch folder is then `packageFolder`); empty for a new package.
  std::string finalFolder;
};

// A new package gets a folder named like it unless the chosen folder already is; a replaced
// package is built in "<AppPath>\Themes\<folder name>~" and ends in the folder without "~".
SaveLocation PlanSaveLocation(const std::string& target, bool replaces,
                              const std::string& appPath);

// The main window's Save (saveAs false) and Save As.
void SavePackage(SlotCatalogue& catalogue, EditState& state, CatalogueEvents& events, SaveHost& host,
                 bool saveAs);

}  // namespace gd
