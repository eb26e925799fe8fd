// The icon picker library (pickicon.dll) in the program's folder, loaded for each change.
#pragma once

#include <string>

#include "ui/icon_picker.h"

namespace gd {

class PickIconLibrary final : public IconPicker {
 public:
  explicit PickIconLibrary(const std::string& appPath) : path_(appPath + "\\pickicon.dll") {}
  PickResult ChangeIcon(std::string& file, int& index, const std::string& slotName) override;

 private:
  std::string path_;
};

}  // namespace gd
