// The shell's "Icon" property tab as its library (proptab.dll) in the program's folder
// registers and unregisters it.
#pragma once

#include <string>

#include "settings/settings_page_model.h"

namespace gd {

class PropertyTabLibrary final : public PropertyTabRegistrar {
 public:
  explicit PropertyTabLibrary(const std::string& appPath);
  bool Available() override;
  // Loads the library, runs its registration export and unloads it again.
  bool SetRegistered(bool registered) override;

 private:
  std::string path_;
};

}  // namespace gd
