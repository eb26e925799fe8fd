// The Package Info dialog without its window: what it shows for a package file, and what OK
// writes into the file and remembers for the next package.
#pragma once

#include <string>

#include "platform/ini.h"
#include "platform/registry.h"
#include "settings/settings_store.h"

namespace gd {

// The dialog's four edits.
struct PackageInfoFields {
  std::string author;
  std::string email;
  std::string website;
  std::string comments;  // may hold line breaks while it is edited
};

class PackageInfoForm {
 public:
  PackageInfoForm(IniStore& ini, Registry& registry, std::string packageFile);

  // "<package name> Package Info".
  std::string Title() const;
  // What the edits start with: the package's own information, or when it has none what the
  // user entered last time (the author falling back to the registered owner of Windows).
  // Filling an edit counts as a change.
  PackageInfoFields Start();
  // An edit reported a change.
  void MarkChanged() { changed_ = true; }
  bool changed() const { return changed_; }
  // OK: a changed form writes the fields into the package and remembers the first three.
  void Accept(const PackageInfoFields& entered);

 private:
  std::string Remembered(TextSetting setting) const;

  IniStore& ini_;
  Registry& registry_;
  std::string packageFile_;
  bool changed_ = false;
};

}  // namespace gd
