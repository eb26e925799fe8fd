// The platform's open and save dialogs, owned by the window that is active when they open.
#pragma once

#include "ui/file_choosers.h"

namespace gd {

class SystemFileChoosers final : public FileChoosers {
 public:
  std::optional<std::string> OpenPackage(const std::string& themesDir) override;
  std::optional<std::string> InstallArchive(const std::string& themesDir) override;
  std::optional<std::string> SavePackage(const std::string& themesDir) override;
  std::optional<std::string> InstallPlugin(const std::string& pluginFolder) override;
  std::optional<std::string> ChangeCursor(const std::string& slotName, const std::string& startFolder) override;
  std::optional<std::string> ChooseArchiveName(const std::string& startFolder,
                                               const std::string& proposedName) override;
};

}  // namespace gd
