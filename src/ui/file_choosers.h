// The file dialogs of the main window and the Packages page: the platform's dialogs in the
// program, answers from a script in tests.
#pragma once

#include <optional>
#include <string>

#include "package/zipped_package.h"

namespace gd {

class FileChoosers : public ArchiveNameChooser {
 public:
  // "Open Package": a package file or a zipped package.
  virtual std::optional<std::string> OpenPackage(const std::string& themesDir) = 0;
  // "Install Package": a zipped package.
  virtual std::optional<std::string> InstallArchive(const std::string& themesDir) = 0;
  // "Save Package": the package file to write.
  virtual std::optional<std::string> SavePackage(const std::string& themesDir) = 0;
  // "Change Cursor for <slot>": a cursor file, starting in `startFolder`.
  virtual std::optional<std::string> ChangeCursor(const std::string& slotName, const std::string& startFolder) = 0;
  // "Install Plugin": a plugin file.
  virtual std::optional<std::string> InstallPlugin(const std::string& pluginFolder) = 0;
};

}  // namespace gd
