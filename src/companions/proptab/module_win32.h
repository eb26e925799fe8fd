// The DLL's own module handle and the count of what keeps it loaded.
#pragma once

#include <windows.h>

#include <string>

namespace gd::proptab {

HINSTANCE ModuleHandle();
void SetModuleHandle(HINSTANCE module);
// The DLL's full path, and its folder with a final backslash.
std::string ModulePath();
std::string ModuleFolder();

// Objects, class factory locks and open pages each hold the module; DllCanUnloadNow asks.
void HoldModule();
void ReleaseModule();
bool ModuleInUse();

}  // namespace gd::proptab
