// The zip library and the save-file dialog behind installing and packing zipped packages.
#pragma once

#include <windows.h>

#include "package/zipped_package.h"
#include "platform/prompt.h"
#include "platform/registry.h"

namespace gd {

// VFZip.dll, found through the product family's "VFZip" value and loaded for each call; the
// prompt shows its load failure.
class ZipLibraryTool final : public ArchiveTool {
 public:
  ZipLibraryTool(Registry& registry, Prompt& prompt) : registry_(registry), prompt_(prompt) {}
  bool Unzip(const std::string& archive, const std::string& destination) override;
  bool Zip(const std::string& archive, const std::string& folder,
           const std::vector<std::string>& names) override;

 private:
  std::string LibraryPath();

  Registry& registry_;
  Prompt& prompt_;
};

// The platform's save-file dialog, owned by the main window, asking for a ".gd" archive.
class SaveArchiveDialog final : public ArchiveNameChooser {
 public:
  explicit SaveArchiveDialog(HWND owner) : owner_(owner) {}
  std::optional<std::string> ChooseArchiveName(const std::string& startFolder,
                                               const std::string& proposedName) override;

 private:
  HWND owner_;
};

}  // namespace gd
