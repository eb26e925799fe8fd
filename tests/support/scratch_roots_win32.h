// Redirects the three registry roots of this test process to scratch keys of its own, so a
// test can fill the real registry with a fixture without touching the prefix or other tests.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include <string>

namespace gd::test {

class ScratchRegistryRoots {
 public:
  ScratchRegistryRoots()
      : base_("Software\\GlimmerdeckTests\\Roots" + std::to_string(GetCurrentProcessId())) {
    SHDeleteKeyA(HKEY_CURRENT_USER, base_.c_str());
    // Open all scratch keys before any override: they live under the real HKCU.
    RegCreateKeyA(HKEY_CURRENT_USER, (base_ + "\\CR").c_str(), &classes_);
    RegCreateKeyA(HKEY_CURRENT_USER, (base_ + "\\LM").c_str(), &machine_);
    RegCreateKeyA(HKEY_CURRENT_USER, (base_ + "\\CU").c_str(), &user_);
    ok_ = RegOverridePredefKey(HKEY_CLASSES_ROOT, classes_) == ERROR_SUCCESS &&
          RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_) == ERROR_SUCCESS &&
          RegOverridePredefKey(HKEY_CURRENT_USER, user_) == ERROR_SUCCESS;
  }
  ~ScratchRegistryRoots() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(user_);
    RegCloseKey(machine_);
    RegCloseKey(classes_);
    SHDeleteKeyA(HKEY_CURRENT_USER, base_.c_str());
  }
  ScratchRegistryRoots(const ScratchRegistryRoots&) = delete;
  ScratchRegistryRoots& operator=(const ScratchRegistryRoots&) = delete;

  bool ok() const { return ok_; }

 private:
  std::string base_;
  HKEY classes_ = nullptr;
  HKEY machine_ = nullptr;
  HKEY user_ = nullptr;
  bool ok_ = false;
};

}  // namespace gd::test
