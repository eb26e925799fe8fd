// Redirects the three registry roots of this test process to scratch keys of its own, so a
// test can fill the real registry with a fixture without touching the prefix or other tests.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include <string>

namespace gd::test {

class ScratchRegistryRoots {
 public:
  ScratchRegistryRoots() : base_("Software\\GlimmerdeckTests\\Roots" + std::to_string(GetCurrentProcessId())) {
    SHDeleteKeyA(HKEY_CURRENT_USER, base_.c_str());
    // Open all scratch keys before any override: they live under the real HKCU.
    for (int i = 0; i < 3; ++i) RegCreateKeyA(HKEY_CURRENT_USER, (base_ + "\\" + kNames[i]).c_str(), &keys_[i]);
    ok_ = true;
    for (int i = 0; i < 3; ++i) ok_ = ok_ && RegOverridePredefKey(kRoots[i], keys_[i]) == ERROR_SUCCESS;
  }
  ~ScratchRegistryRoots() {
    for (int i = 2; i >= 0; --i) RegOverridePredefKey(kRoots[i], nullptr);
    for (HKEY key : keys_) RegCloseKey(key);
    SHDeleteKeyA(HKEY_CURRENT_USER, base_.c_str());
  }
  ScratchRegistryRoots(const ScratchRegistryRoots&) = delete;
  ScratchRegistryRoots& operator=(const ScratchRegistryRoots&) = delete;
  bool ok() const { return ok_; }

 private:
  static constexpr const char* kNames[3] = {"CR", "LM", "CU"};
  inline static const HKEY kRoots[3] = {HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};
  std::string base_;
  HKEY keys_[3] = {};
  bool ok_ = false;
};

}  // namespace gd::test
