// Entering the tab into the registry as a COM class and a property sheet handler, and taking
// it out again.
#pragma once

#include <windows.h>

#include <string>

namespace gd::proptab {

// Writes the class (served by modulePath) and the handler keys of files, folders and drives.
// S_OK also when everything was already there; SELFREG_E_CLASS when a key cannot be written.
HRESULT RegisterTab(const std::string& modulePath);
// Removes exactly what RegisterTab writes; S_OK also when nothing of it was there.
HRESULT UnregisterTab();

}  // namespace gd::proptab
